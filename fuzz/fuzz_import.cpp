// Block cutter and import: any table gives a template whose connections point
// at existing zones with 1 to 8 passages, a player count of 2 to 8, and a
// layout that keeps every two zones at least the minimum distance apart.
#include "rmg/graph.h"
#include "rmg/import.h"
#include "rmg/template_list.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view buffer(reinterpret_cast<const char*>(data), size);
    const auto entries = zw::splitTable(buffer);
    // The whole buffer as one block reaches rows the splitter would not hand over.
    std::string_view block = buffer;
    if (!entries.empty())
        block = buffer.substr(static_cast<size_t>(entries.front().start),
                              static_cast<size_t>(entries.front().length));
    const zw::TRmg t = zw::readTemplate(block);

    const auto zones = static_cast<int32_t>(t.zones.size());
    if (t.header.playerCountIndex < 0 || t.header.playerCountIndex > 6)
        std::abort();
    for (const auto& c : t.connections) {
        if (c.zoneA < 0 || c.zoneA >= zones || c.zoneB < 0 || c.zoneB >= zones)
            std::abort();
        if (c.passageCount < 1 || c.passageCount > 8)
            std::abort();
    }

    // The layout is quadratic at least; keep the inputs it sees small.
    if (zones > 300)
        return 0;
    zw::LayoutRandom rng;
    zw::Graph g(rng);
    g.initGraph(zones);
    for (const auto& c : t.connections)
        g.setLink(c.zoneA, c.zoneB, true);
    g.minDistance = 3.0;
    if (!g.arrangeGraph())
        std::abort(); // every node of a graph can be selected
    const auto& nodes = g.nodes();
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].x != std::nearbyint(nodes[i].x) || nodes[i].y != std::nearbyint(nodes[i].y))
            std::abort();
        for (size_t j = 0; j < i; ++j)
            if (std::hypot(nodes[i].x - nodes[j].x, nodes[i].y - nodes[j].y) < 3.0)
                std::abort();
    }
    return 0;
}
