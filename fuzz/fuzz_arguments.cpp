// The command line's zone lists and owner maps: any text is either refused
// with a message or gives ascending zone indices within the template and
// owners within 0..8.
#include "model/transform.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte is the template's zone count; the rest is the argument.
    const size_t zoneCount = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto list = zw::parseZoneList(text, zoneCount);
    if (const auto* indices = std::get_if<std::vector<int32_t>>(&list)) {
        if (indices->empty() || !std::is_sorted(indices->begin(), indices->end()) ||
            std::adjacent_find(indices->begin(), indices->end()) != indices->end() ||
            indices->front() < 0 || static_cast<size_t>(indices->back()) >= zoneCount)
            std::abort();
    } else if (std::get<zw::ArgumentError>(list).message.empty()) {
        std::abort();
    }

    const auto owners = zw::parseOwnerMap(text);
    if (const auto* map = std::get_if<zw::OwnerMap>(&owners)) {
        if ((*map)[0] != 0)
            std::abort();
        for (size_t p = 1; p < map->size(); ++p)
            if ((*map)[p] < 1 || (*map)[p] > zw::kPlayerSlots)
                std::abort();
    } else if (std::get<zw::ArgumentError>(owners).message.empty()) {
        std::abort();
    }
    return 0;
}
