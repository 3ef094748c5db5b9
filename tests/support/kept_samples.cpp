#include "support/kept_samples.h"

#include "model/text.h"
#include "support/model_samples.h"

namespace zw::test {

KeptCell keptCell(std::string name, std::string text, bool quoted,
                  std::optional<std::string> readAs) {
    return KeptCell{std::move(name), std::move(text), std::move(readAs), quoted};
}

TRmg keptTemplate() {
    TRmg t = richTemplate();
    t.kept.cells = {keptCell("Artifacts", "on"),
                    keptCell("Spell Research", utf8ToCp1251("Да, \"всё\"\tи\r\nещё"), true),
                    keptCell("Map option 1", "")};
    t.kept.rows = {KeptRow{9, {keptCell("Connections: Zone 1", "77")}, -1}, KeptRow{10, {}, 131}};
    const int32_t ids[] = {1, 5, 40};
    for (size_t k = 0; k < t.zones.size(); ++k) {
        KeptCells& kept = t.zones[k].kept;
        kept.id = ids[k % 3];
        kept.row = static_cast<int32_t>(k);
        kept.cells = {keptCell("Placement", std::to_string(k + 1)),
                      keptCell("Border Guard", "x o2 o9", false, "0")};
    }
    t.zones[0].kept.cells.push_back(keptCell("Town Hint", utf8ToCp1251("Замок у реки"), true));
    t.connections[0].passages[0].kept = {
        {keptCell("Road", "1"), keptCell("Strength", "none", false, "6000")}, 3, 0};
    t.connections[0].passages[7].kept = {{keptCell("Fictive", "\x98")}, -1, 0};
    t.connections[1].passages[1].kept = {{}, 6, 0};
    return t;
}

} // namespace zw::test
