// Content of the hover information panel, computed from a zone or connection
// record without any window: texts (UTF-8), which lines show, the mine icons and
// the panel's height.
#pragma once

#include "model/records.h"

#include <array>
#include <string>
#include <vector>

namespace zw {

inline constexpr int kInfoPanelWidth = 185;
inline constexpr int kInfoPanelZoneHeight = 241;

// Mine icon indices, in strip order.
enum MineIcon { MineWood, MineMercury, MineOre, MineSulfur, MineCrystal, MineGems, MineGold };

struct InfoPanelContent {
    std::string title; // may hold '\n' (multi-passage title)
    std::string line2; // zone: size; connection: guard
    std::string line3; // zone: towns
    bool line3Visible = true;
    std::string line4; // zone: monsters
    std::array<std::string, 3> treasure;
    std::string existence;
    std::vector<int> mines;     // MineIcon values present, in strip order
    bool noMinesVisible = true; // "Шахт нет"
    int height = kInfoPanelZoneHeight;

    // Left edge of the mine strip inside the panel: 92 - (25 * n) div 2.
    int mineStripLeft() const { return 92 - (25 * static_cast<int>(mines.size())) / 2; }
    int mineStripWidth() const { return 25 * static_cast<int>(mines.size()); }
    bool operator==(const InfoPanelContent&) const = default;
};

InfoPanelContent zoneInfo(const ZoneRecord& z);
InfoPanelContent connectionInfo(const ConnectionRecord& c);

} // namespace zw
