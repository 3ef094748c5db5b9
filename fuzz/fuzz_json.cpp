// JSON reader of the command-line tool's build command: any text is either
// refused with a message or gives a template that survives the project file.
#include "model/project_file.h"
#include "model/template_json.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto result = zw::templateFromJsonText(text);
    if (auto* t = std::get_if<zw::TRmg>(&result)) {
        const auto loaded = zw::decodeProject(zw::encodeProject(*t));
        const auto* t2 = std::get_if<zw::TRmg>(&loaded);
        if (t2 == nullptr || !(*t2 == *t))
            std::abort();
        // The JSON written back reads to the same template.
        auto back = zw::templateFromJsonText(zw::templateToJsonText(*t));
        const auto* t3 = std::get_if<zw::TRmg>(&back);
        if (t3 == nullptr || !(*t3 == *t))
            std::abort();
    } else if (std::get<zw::TemplateJsonError>(result).message.empty()) {
        std::abort();
    }
    return 0;
}
