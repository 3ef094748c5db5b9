// The command line's zone lists and owner maps: any text is either refused
// with a message or gives ascending zone indices within the template and
// owners within 0..8. And the editor's arguments left after the toolkit took
// its options: one result for each argument left, each from the wide list or
// the argument itself.
#include "model/transform.h"
#include "platform/process.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

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

    // Lines of the text: wide arguments (as UTF-8) up to an empty line, then
    // the arguments left; the narrow form of a wide one is the same text.
    std::vector<std::string> full, left;
    std::vector<std::string>* into = &full;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string line(text.substr(start, end - start));
        if (line.empty() && into == &full)
            into = &left;
        else
            into->push_back(line);
        start = end + 1;
    }
    const auto kept = zw::argumentsLeft(full, full, left);
    if (kept.size() != left.size())
        std::abort();
    for (size_t i = 0; i < kept.size(); ++i)
        if (kept[i] != left[i] && std::find(full.begin(), full.end(), kept[i]) == full.end())
            std::abort();
    return 0;
}
