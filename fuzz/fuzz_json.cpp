// JSON reader of the command-line tool's build command: any text is either
// refused with a message or gives a template that survives the project file.
// The same text read as one zone or one connection is refused with a message
// or gives a record whose JSON form reads back the same.
#include "model/project_file.h"
#include "model/template_json.h"

#include <cstdlib>
#include <nlohmann/json.hpp>

namespace {

// Every refusal says why.
bool refusedSilently(const zw::TemplateJsonError& e) {
    return e.message.empty();
}

template <class Record, class Read, class Write> void checkSingleRecord(Read read, Write write) {
    auto result = read();
    if (auto* r = std::get_if<Record>(&result)) {
        if (!write(*r))
            std::abort();
    } else if (refusedSilently(std::get<zw::TemplateJsonError>(result))) {
        std::abort();
    }
}

void checkSingleRecords(std::string_view text) {
    const nlohmann::json j = nlohmann::json::parse(text, nullptr, false);
    if (j.is_discarded())
        return;
    constexpr size_t kZones = 3;
    checkSingleRecord<zw::ZoneRecord>([&] { return zw::zoneFromJson(j, "zone"); },
                                      [](const zw::ZoneRecord& z) {
                                          auto back = zw::zoneFromJson(
                                              nlohmann::json(zw::zoneToJson(z)), "");
                                          const auto* z2 = std::get_if<zw::ZoneRecord>(&back);
                                          return z2 != nullptr && *z2 == z;
                                      });
    checkSingleRecord<zw::ConnectionRecord>(
        [&] { return zw::connectionFromJson(j, "", kZones); },
        [](const zw::ConnectionRecord& c) {
            auto back = zw::connectionFromJson(nlohmann::json(zw::connectionToJson(c)), "", kZones);
            const auto* c2 = std::get_if<zw::ConnectionRecord>(&back);
            return c2 != nullptr && *c2 == c;
        });
}

} // namespace

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
    } else if (refusedSilently(std::get<zw::TemplateJsonError>(result))) {
        std::abort();
    }
    checkSingleRecords(text);
    return 0;
}
