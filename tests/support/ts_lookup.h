// The English translation file read directly, as a lookup the core can use
// (model/translation.h): core tests see the English texts without the
// toolkit's compiled .qm files.
#pragma once

#include "model/translation.h"

#include <string>

namespace zw::test {

// The finished translations of a .ts file (readTsEntries; unfinished and empty entries are
// left out, so the Russian source shows for them).
TranslationLookup tsLookup(const std::string& tsPath);

// The English translation of the core in the source tree.
inline std::string coreTranslationFile() {
    return std::string(ZW_DATA_DIR) + "/../translations/zonewright_core_en.ts";
}

// Installs a lookup for the lifetime of the object, then restores Russian.
class UsingLookup {
  public:
    explicit UsingLookup(TranslationLookup lookup) { setTranslationLookup(std::move(lookup)); }
    ~UsingLookup() { setTranslationLookup({}); }
    UsingLookup(const UsingLookup&) = delete;
    UsingLookup& operator=(const UsingLookup&) = delete;
};

} // namespace zw::test
