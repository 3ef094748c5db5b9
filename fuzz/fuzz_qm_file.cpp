// Translation files: any bytes either read as the messages of a .qm file or
// are refused; a file read is read the same a second time.
#include "translations/language.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto once = zw::readQmFile(bytes);
    if (once && *once != *zw::readQmFile(bytes))
        std::abort();
    return 0;
}
