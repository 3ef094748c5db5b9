#include "support/translation_files.h"

#include <algorithm>
#include <filesystem>

namespace zw::test {
namespace {

std::string unescaped(std::string_view s) {
    static const std::pair<std::string_view, std::string_view> kEntities[] = {
        {"&lt;", "<"},   {"&gt;", ">"},  {"&quot;", "\""},
        {"&apos;", "'"}, {"&amp;", "&"}, {"<byte value=\"xd\"/>", "\r"}};
    std::string out;
    for (size_t i = 0; i < s.size();) {
        bool replaced = false;
        for (const auto& [entity, text] : kEntities) {
            if (s.substr(i, entity.size()) == entity) {
                out += text;
                i += entity.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += s[i++];
    }
    return out;
}

// The text between <tag ...> and </tag> in `block`, with the opening tag's
// attributes; an empty element (<tag .../>) has no text.
bool element(std::string_view block, std::string_view tag, std::string& text,
             std::string& attributes) {
    const std::string open = "<" + std::string(tag);
    const size_t at = block.find(open);
    if (at == std::string_view::npos)
        return false;
    const size_t close = block.find('>', at);
    attributes = std::string(block.substr(at + open.size(), close - at - open.size()));
    if (block[close - 1] == '/') {
        text.clear();
        return true;
    }
    const size_t end = block.find("</" + std::string(tag) + ">", close);
    text = unescaped(block.substr(close + 1, end - close - 1));
    return true;
}

} // namespace

std::vector<TsEntry> readTsEntries(std::string_view xml) {
    std::vector<TsEntry> out;
    for (size_t c = xml.find("<context>"); c != std::string_view::npos;
         c = xml.find("<context>", c + 1)) {
        const std::string_view context = xml.substr(c, xml.find("</context>", c) - c);
        std::string name, attributes;
        element(context, "name", name, attributes);
        for (size_t m = context.find("<message"); m != std::string_view::npos;
             m = context.find("<message", m + 1)) {
            const std::string_view message = context.substr(m, context.find("</message>", m) - m);
            TsEntry e{name, {}, {}, {}};
            element(message, "source", e.source, attributes);
            element(message, "translation", e.translation, attributes);
            if (const size_t t = attributes.find("type=\""); t != std::string::npos)
                e.type = attributes.substr(t + 6, attributes.find('"', t + 6) - t - 6);
            out.push_back(std::move(e));
        }
    }
    return out;
}

std::vector<std::string> tsFiles(const std::string& root) {
    std::vector<std::string> out;
    for (const auto& f : std::filesystem::directory_iterator(root + "/translations"))
        if (f.path().extension() == ".ts")
            out.push_back(f.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace zw::test
