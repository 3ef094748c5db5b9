// Clipboard fragment reader and paste: any text is either refused with a
// message, or gives a fragment that writes back to itself and pastes into a
// template (beside its own copy) as a template the project file takes back.
#include "model/fragment.h"
#include "model/project_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto read = zw::fragmentFromText(text);
    if (const auto* error = std::get_if<zw::FragmentError>(&read)) {
        if (error->message.empty())
            std::abort();
        return 0;
    }
    const zw::TRmg& fragment = std::get<zw::TRmg>(read);
    auto back = zw::fragmentFromText(zw::fragmentToText(fragment));
    const auto* again = std::get_if<zw::TRmg>(&back);
    if (again == nullptr || !(*again == fragment))
        std::abort();

    // Into an empty template at its own place, then beside itself.
    const zw::GridNode64 anchor = zw::fragmentAnchor(fragment);
    auto first = zw::pasteFragment(zw::makeNewTemplate(), fragment, anchor.x, anchor.y);
    const auto* once = std::get_if<zw::TRmg>(&first);
    if (once == nullptr)
        std::abort(); // an empty template always has room
    auto second = zw::pasteFragment(*once, fragment, anchor.x, anchor.y);
    if (const auto* twice = std::get_if<zw::TRmg>(&second)) {
        const auto loaded = zw::decodeProject(zw::encodeProject(*twice));
        const auto* t = std::get_if<zw::TRmg>(&loaded);
        if (t == nullptr || !(*t == *twice))
            std::abort();
    }
    return 0;
}
