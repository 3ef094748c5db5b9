// Project file reader: any bytes either load or are refused; what loads saves
// and loads again to the same template.
#include "model/project_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto result = zw::decodeProject(bytes);
    if (auto* t = std::get_if<zw::TRmg>(&result)) {
        const auto again = zw::decodeProject(zw::encodeProject(*t));
        const auto* t2 = std::get_if<zw::TRmg>(&again);
        if (t2 == nullptr || !(*t2 == *t))
            std::abort();
    }
    return 0;
}
