#include "canvas/info_panel.h"
#include "support/model_samples.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::ownedZone;

TEST(ZoneInfo, TitleByKindAndOwner) {
    const struct {
        int32_t kind, owner;
        const char* title;
    } cases[] = {
        {1, 0, "Локация"},
        {0, 0, "Стартовая локация"},
        {0, 2, "Стартовая локация игрока 2 (синий)"},
        {2, 8, "Локация - перекресток игрока 8 (розовый)"},
        {1, 1, "Локация игрока 1 (красный)"},
        {1, 7, "Локация игрока 7 (бирюзовый)"},
        // Damaged kinds and owners fall back; owner 9 has no colour name.
        {1, 9, "Локация игрока 9"},
        {1, -4, "Локация"},
        {7, 0, "Локация"},
        {-1, 3, "Локация игрока 3 (коричневый)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zoneInfo(ownedZone(c.kind, c.owner)).title, c.title) << c.kind << " " << c.owner;
}

TEST(ZoneInfo, SizeNames) {
    ZoneRecord z;
    const std::pair<int, const char*> cases[] = {
        {5, "Очень маленький"}, {7, "Маленький"},      {10, "Ниже среднего"},   {14, "Средний"},
        {18, "Выше среднего"},  {20, "Выше среднего"}, {21, "Большой"},         {23, "Большой"},
        {30, "Очень большой"},  {40, "Огромный"},      {-5, "Очень маленький"}, {1000, "Огромный"}};
    for (const auto& [size, name] : cases) {
        z.size = size;
        EXPECT_EQ(zoneInfo(z).line2, std::string("Размер: ") + name) << size;
    }
}

TEST(ZoneInfo, TownLine) {
    ZoneRecord z;
    z.townMode = 0;
    EXPECT_EQ(zoneInfo(z).line3, "Городов нет");
    z.townMode = 1;
    EXPECT_EQ(zoneInfo(z).line3, "Один город без форта");
    z.townMode = 2;
    EXPECT_EQ(zoneInfo(z).line3, "Один город с фортом");
    z.townMode = 3;
    z.playerCastles = 1;
    z.playerTowns = 2;
    z.neutralCastles = 0;
    z.neutralTowns = 13;
    EXPECT_EQ(zoneInfo(z).line3, "Города: 1/2/0/13");
    z.sameTownType = true;
    EXPECT_EQ(zoneInfo(z).line3, "Города: 1/2/0/13 (одинаковые)");
    EXPECT_TRUE(zoneInfo(z).line3Visible);
    z.townMode = 6;
    EXPECT_EQ(zoneInfo(z).line3, "Городов нет");
}

TEST(ZoneInfo, MonstersAndExistence) {
    ZoneRecord z;
    const char* monsters[] = {"Нет", "Слабые", "Средние", "Сильные"};
    for (int m = 0; m < 4; ++m) {
        z.monsterStrength = m;
        EXPECT_EQ(zoneInfo(z).line4, std::string("Монстры: ") + monsters[m]);
    }
    z.monsterStrength = -3;
    EXPECT_EQ(zoneInfo(z).line4, "Монстры: Нет");
    z.monsterStrength = 9;
    EXPECT_EQ(zoneInfo(z).line4, "Монстры: Сильные");

    z.existMode = 0;
    EXPECT_EQ(zoneInfo(z).existence, "Существует: Всегда");
    z.existMode = 1;
    EXPECT_EQ(zoneInfo(z).existence, "Существует только с хозяином");
    z.existMode = 2;
    EXPECT_EQ(zoneInfo(z).existence, "Особые условия существования");
    z.existMode = 7;
    EXPECT_EQ(zoneInfo(z).existence, "Существует: Всегда");
    EXPECT_EQ(zoneInfo(z).height, 241);
}

TEST(ZoneInfo, MineStrip) {
    ZoneRecord z;
    InfoPanelContent c = zoneInfo(z);
    EXPECT_TRUE(c.mines.empty());
    EXPECT_TRUE(c.noMinesVisible);
    EXPECT_EQ(c.mineStripWidth(), 0);

    z.mineWood = 1;
    z.mineGold = 3;
    c = zoneInfo(z);
    EXPECT_EQ(c.mines, (std::vector<int>{MineWood, MineGold}));
    EXPECT_FALSE(c.noMinesVisible);
    EXPECT_EQ(c.mineStripWidth(), 50);
    EXPECT_EQ(c.mineStripLeft(), 67);

    // Only presence counts; zero and negative counts show nothing.
    z = ZoneRecord{};
    z.mineMercury = 2;
    z.mineOre = -1;
    z.mineSulfur = 0;
    z.mineCrystal = 5;
    z.mineGems = 1;
    c = zoneInfo(z);
    EXPECT_EQ(c.mines, (std::vector<int>{MineMercury, MineCrystal, MineGems}));
    EXPECT_EQ(c.mineStripLeft(), 92 - 75 / 2);

    z.mineWood = z.mineOre = z.mineSulfur = z.mineGold = 1;
    c = zoneInfo(z);
    EXPECT_EQ(c.mines.size(), 7u);
    EXPECT_EQ(c.mines.front(), MineWood);
    EXPECT_EQ(c.mines.back(), MineGold);
}

TEST(ZoneInfo, TreasureLinesUsePresetNamesOrTheTriple) {
    ZoneRecord z;
    z.treasure = {TreasureGroup{0, 0, 0}, TreasureGroup{10000, 15000, 1},
                  TreasureGroup{1000, 2000, 5}};
    InfoPanelContent c = zoneInfo(z);
    EXPECT_EQ(c.treasure[0], "Группа отсутствует");
    EXPECT_EQ(c.treasure[1], "Богатые сокровища, мало");
    EXPECT_EQ(c.treasure[2], "Настроено: (1000-2000) x 5");

    // (20000, 30000) with density 6 or 9 names no list entry.
    z.treasure = {TreasureGroup{20000, 30000, 6}, TreasureGroup{20000, 30000, 9},
                  TreasureGroup{20000, 30000, 1}};
    c = zoneInfo(z);
    EXPECT_EQ(c.treasure[0], "Настроено: (20000-30000) x 6");
    EXPECT_EQ(c.treasure[1], "Настроено: (20000-30000) x 9");
    EXPECT_EQ(c.treasure[2], "Очень богатые, мало");

    z.treasure = {TreasureGroup{500, 3000, 9}, TreasureGroup{100, 500, 6}, TreasureGroup{-5, 0, 0}};
    c = zoneInfo(z);
    EXPECT_EQ(c.treasure[0], "Бедные сокровища, много");
    EXPECT_EQ(c.treasure[1], "Особые сокровища, средне");
    EXPECT_EQ(c.treasure[2], "Настроено: (-5-0) x 0");
}

TEST(ConnectionInfo, TitlesAndHeights) {
    ConnectionRecord c;
    c.passages[0].guard = 6000;
    InfoPanelContent i = connectionInfo(c);
    EXPECT_EQ(i.title, "Обычный переход");
    EXPECT_EQ(i.line2, "Охрана: Средняя (6000)");
    EXPECT_FALSE(i.line3Visible);
    EXPECT_EQ(i.height, 81);

    c.passages[0].kind = 1;
    i = connectionInfo(c);
    EXPECT_EQ(i.title, "Широкий переход");
    EXPECT_EQ(i.height, 49);
    c.passages[0].kind = 2;
    i = connectionInfo(c);
    EXPECT_EQ(i.title, "Переход со стражем границы");
    EXPECT_EQ(i.height, 49);

    c.passages[0].kind = 0;
    c.passageCount = 3;
    i = connectionInfo(c);
    EXPECT_EQ(i.title, "Мультипереход\n(Количество: 3)");
    EXPECT_EQ(i.height, 49);
    EXPECT_FALSE(i.line3Visible);
}

TEST(ConnectionInfo, GuardClassNames) {
    ConnectionRecord c;
    const std::pair<int, const char*> cases[] = {
        {0, "Нет охраны"},      {2000, "Очень слабая"},   {2001, "Слабая"},   {20000, "Мощная"},
        {4500, "Ниже средней"}, {15000, "Очень сильная"}, {-10, "Нет охраны"}};
    for (const auto& [guard, name] : cases) {
        c.passages[0].guard = guard;
        EXPECT_EQ(connectionInfo(c).line2,
                  std::string("Охрана: ") + name + " (" + std::to_string(guard) + ")");
    }
}

TEST(ConnectionInfo, DamagedCountsAndKinds) {
    ConnectionRecord c;
    c.passageCount = 12;
    EXPECT_EQ(connectionInfo(c).title, "Мультипереход\n(Количество: 8)");
    c.passageCount = 0;
    EXPECT_EQ(connectionInfo(c).title, "Обычный переход");
    EXPECT_EQ(connectionInfo(c).height, 81);
    c.passageCount = 1;
    c.passages[0].kind = 9;
    EXPECT_EQ(connectionInfo(c).title, "Обычный переход");
    EXPECT_EQ(connectionInfo(c).height, 81);
}

} // namespace
} // namespace zw
