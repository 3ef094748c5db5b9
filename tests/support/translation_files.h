// The entries of the translation files (translations/*.ts, the toolkit's XML).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zw::test {

struct TsEntry {
    std::string context;
    std::string source;
    std::string translation;
    std::string type; // "" (finished), "unfinished", "vanished" or "obsolete"
};

// Every message of the file's text, with the XML entities decoded.
std::vector<TsEntry> readTsEntries(std::string_view xml);

// The translation files of the repository (`root`/translations/*.ts).
std::vector<std::string> tsFiles(const std::string& root);

} // namespace zw::test
