#include "support/ts_lookup.h"

#include "support/scratch_dir.h"
#include "support/translation_files.h"

#include <map>
#include <memory>
#include <utility>

namespace zw::test {

TranslationLookup tsLookup(const std::string& tsPath) {
    auto texts = std::make_shared<std::map<std::pair<std::string, std::string>, std::string>>();
    for (const TsEntry& e : readTsEntries(slurp(tsPath)))
        if (e.type.empty() && !e.translation.empty())
            (*texts)[{e.context, e.source}] = e.translation;
    return [texts](const char* context, const char* source) {
        const auto it = texts->find({context, source});
        return it == texts->end() ? std::string() : it->second;
    };
}

} // namespace zw::test
