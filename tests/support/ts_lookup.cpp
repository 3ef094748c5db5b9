#include "support/ts_lookup.h"

#include "support/scratch_dir.h"

#include <map>
#include <memory>
#include <string_view>
#include <utility>

namespace zw::test {
namespace {

// The text between `open` and `close` after `at`, moving `at` past it; empty
// and `at` at npos when there is none.
std::string_view between(std::string_view s, std::string_view open, std::string_view close,
                         size_t& at) {
    const size_t begin = s.find(open, at);
    const size_t end = begin == std::string_view::npos ? begin : s.find(close, begin + open.size());
    if (end == std::string_view::npos) {
        at = std::string_view::npos;
        return {};
    }
    at = end + close.size();
    return s.substr(begin + open.size(), end - begin - open.size());
}

// The XML of one text as lupdate writes it: five entities and control
// characters as <byte value="xd"/>.
std::string decoded(std::string_view xml) {
    static const std::pair<std::string_view, std::string_view> kEscapes[] = {
        {"&lt;", "<"},   {"&gt;", ">"},  {"&quot;", "\""},
        {"&apos;", "'"}, {"&amp;", "&"}, {"<byte value=\"xd\"/>", "\r"},
    };
    std::string out;
    for (size_t i = 0; i < xml.size();) {
        bool replaced = false;
        for (const auto& [from, to] : kEscapes)
            if (xml.substr(i, from.size()) == from) {
                out += to;
                i += from.size();
                replaced = true;
                break;
            }
        if (!replaced)
            out += xml[i++];
    }
    return out;
}

} // namespace

TranslationLookup tsLookup(const std::string& tsPath) {
    auto texts = std::make_shared<std::map<std::pair<std::string, std::string>, std::string>>();
    const std::string file = slurp(tsPath);
    const std::string_view all = file;
    for (size_t at = 0; at != std::string_view::npos;) {
        const std::string_view context = between(all, "<context>", "</context>", at);
        if (at == std::string_view::npos)
            break;
        size_t in = 0;
        const std::string name(between(context, "<name>", "</name>", in));
        while (in != std::string_view::npos) {
            const std::string_view message = between(context, "<message>", "</message>", in);
            if (in == std::string_view::npos)
                break;
            size_t m = 0;
            const std::string source = decoded(between(message, "<source>", "</source>", m));
            const size_t open = message.find("<translation", m);
            if (open == std::string_view::npos ||
                message.find("type=", open) < message.find('>', open))
                continue; // unfinished, vanished or obsolete
            size_t t = message.find('>', open) + 1;
            const size_t close = message.find("</translation>", t);
            if (close == std::string_view::npos || close == t)
                continue;
            (*texts)[{name, source}] = decoded(message.substr(t, close - t));
        }
    }
    return [texts](const char* context, const char* source) {
        const auto it = texts->find({context, source});
        return it == texts->end() ? std::string() : it->second;
    };
}

} // namespace zw::test
