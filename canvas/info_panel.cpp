#include "canvas/info_panel.h"

#include "model/presets.h"
#include "model/translation.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zw {
namespace {

constexpr std::array<std::string_view, 3> kZoneKindTitles = {
    ZW_TR_NOOP("Canvas", "Стартовая локация"), ZW_TR_NOOP("Canvas", "Локация"),
    ZW_TR_NOOP("Canvas", "Локация - перекресток")};
constexpr std::array<std::string_view, 4> kMonsterNames = {
    ZW_TR_NOOP("Canvas", "Нет"), ZW_TR_NOOP("Canvas", "Слабые"), ZW_TR_NOOP("Canvas", "Средние"),
    ZW_TR_NOOP("Canvas", "Сильные")};
constexpr std::array<std::string_view, 3> kExistenceTexts = {
    ZW_TR_NOOP("Canvas", "Существует: Всегда"),
    ZW_TR_NOOP("Canvas", "Существует только с хозяином"),
    ZW_TR_NOOP("Canvas", "Особые условия существования")};
constexpr std::array<std::string_view, 3> kPassageTitles = {
    ZW_TR_NOOP("Canvas", "Обычный переход"), ZW_TR_NOOP("Canvas", "Широкий переход"),
    ZW_TR_NOOP("Canvas", "Переход со стражем границы")};

// Entry of a small table, or `fallback` for an index the table does not have.
template <size_t N>
std::string_view entryOr(const std::array<std::string_view, N>& table, int32_t index,
                         std::string_view fallback) {
    if (index < 0 || static_cast<size_t>(index) >= N)
        return fallback;
    return table[static_cast<size_t>(index)];
}

std::string shown(std::string_view text) {
    return translated("Canvas", text);
}

std::string zoneTitle(const ZoneRecord& z) {
    // An unknown kind is shown as the plain zone kind.
    std::string title =
        shown(entryOr(kZoneKindTitles, z.kind, kZoneKindTitles[code(ZoneKind::Treasure)]));
    if (z.owner > 0) {
        title = withArguments(ZW_TR("Canvas", "%1 игрока %2"), {title, std::to_string(z.owner)});
        const std::string_view colour = playerColourName(z.owner);
        if (!colour.empty()) {
            title += " (";
            title += colour;
            title += ")";
        }
    }
    return title;
}

std::string townText(const ZoneRecord& z) {
    switch (z.townMode) {
    case code(TownMode::TownWithoutFort):
        return ZW_TR("Canvas", "Один город без форта");
    case code(TownMode::TownWithFort):
        return ZW_TR("Canvas", "Один город с фортом");
    case code(TownMode::Detailed): {
        std::string s =
            withArguments(ZW_TR("Canvas", "Города: %1/%2/%3/%4"),
                          {std::to_string(z.playerCastles), std::to_string(z.playerTowns),
                           std::to_string(z.neutralCastles), std::to_string(z.neutralTowns)});
        if (z.sameTownType)
            s += ZW_TR("Canvas", " (одинаковые)");
        return s;
    }
    default:
        return ZW_TR("Canvas", "Городов нет");
    }
}

std::string treasureText(const TreasureGroup& g) {
    const int p = treasurePresetIndex(g);
    // Positions 15 and 16 name no list entry and are shown as a custom triple.
    if (p > 0 && p < kTreasurePresetCount)
        return std::string(treasurePresetEntry(p));
    return withArguments(
        ZW_TR("Canvas", "Настроено: (%1-%2) x %3"),
        {std::to_string(g.low), std::to_string(g.high), std::to_string(g.density)});
}

} // namespace

InfoPanelContent zoneInfo(const ZoneRecord& z) {
    InfoPanelContent c;
    c.title = zoneTitle(z);
    c.line2 = withArguments(ZW_TR("Canvas", "Размер: %1"), {sizeName(z.size)});
    c.line3 = townText(z);
    c.line3Visible = true;

    const std::array<int32_t, 7> mines = {z.mineWood,    z.mineMercury, z.mineOre, z.mineSulfur,
                                          z.mineCrystal, z.mineGems,    z.mineGold};
    for (size_t i = 0; i < mines.size(); ++i)
        if (mines[i] > 0)
            c.mines.push_back(static_cast<int>(i));
    c.noMinesVisible = c.mines.empty();

    // Strengths outside 0..3 are shown as the nearest one, as the canvas draws them.
    c.line4 = withArguments(ZW_TR("Canvas", "Монстры: %1"),
                            {shown(kMonsterNames[static_cast<size_t>(nearestMonsterStrength(z))])});
    // An unknown existence mode is drawn and described as "always".
    c.existence =
        shown(entryOr(kExistenceTexts, z.existMode, kExistenceTexts[code(ExistMode::Always)]));
    c.height = kInfoPanelZoneHeight;
    for (size_t i = 0; i < c.treasure.size(); ++i)
        c.treasure[i] = treasureText(z.treasure[i]);
    return c;
}

InfoPanelContent connectionInfo(const ConnectionRecord& c) {
    InfoPanelContent info;
    // The count is kept within the eight passage slots, as the canvas draws it.
    const int count = std::clamp(c.passageCount, 1, kPassageSlots);
    const PassageRecord& first = c.passages[0];
    if (count >= 2)
        info.title = withArguments(ZW_TR("Canvas", "Мультипереход\n(Количество: %1)"),
                                   {std::to_string(count)});
    else
        info.title =
            shown(entryOr(kPassageTitles, first.kind, kPassageTitles[code(PassageKind::Ordinary)]));
    info.line3Visible = false;
    info.line2 = withArguments(ZW_TR("Canvas", "Охрана: %1 (%2)"),
                               {guardName(first.guard), std::to_string(first.guard)});
    // An unknown kind read from a file is drawn and described as an ordinary passage.
    const bool ordinary = first.kind != PassageKind::Wide && first.kind != PassageKind::BorderGuard;
    info.height = (count == 1 && ordinary) ? 81 : 49;
    return info;
}

} // namespace zw
