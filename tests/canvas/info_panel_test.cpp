#include "canvas/info_panel.h"
#include "support/model_samples.h"

#include <gtest/gtest.h>
#include <tuple>

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
    const struct {
        int32_t mode;
        bool same;
        const char* line;
    } cases[] = {{0, false, "Городов нет"},
                 {1, false, "Один город без форта"},
                 {2, false, "Один город с фортом"},
                 {3, false, "Города: 1/2/0/13"},
                 {3, true, "Города: 1/2/0/13 (одинаковые)"},
                 {6, true, "Городов нет"}};
    ZoneRecord z;
    std::tie(z.playerCastles, z.playerTowns, z.neutralCastles, z.neutralTowns) =
        std::tuple(1, 2, 0, 13);
    for (const auto& c : cases) {
        z.townMode = c.mode;
        z.sameTownType = c.same;
        EXPECT_EQ(zoneInfo(z).line3, c.line) << c.mode;
        EXPECT_TRUE(zoneInfo(z).line3Visible);
    }
}

TEST(ZoneInfo, MonstersAndExistence) {
    ZoneRecord z;
    const std::pair<int32_t, const char*> monsters[] = {
        {0, "Нет"}, {1, "Слабые"}, {2, "Средние"}, {3, "Сильные"}, {-3, "Нет"}, {9, "Сильные"}};
    for (const auto& [m, name] : monsters) {
        z.monsterStrength = m;
        EXPECT_EQ(zoneInfo(z).line4, std::string("Монстры: ") + name) << m;
    }
    const std::pair<int32_t, const char*> existence[] = {{0, "Существует: Всегда"},
                                                         {1, "Существует только с хозяином"},
                                                         {2, "Особые условия существования"},
                                                         {7, "Существует: Всегда"}};
    for (const auto& [mode, text] : existence) {
        z.existMode = mode;
        EXPECT_EQ(zoneInfo(z).existence, text) << mode;
        EXPECT_EQ(zoneInfo(z).height, 241);
    }
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
    // (20000, 30000) with density 6 or 9 names no list entry.
    const std::pair<TreasureGroup, const char*> cases[] = {
        {{0, 0, 0}, "Группа отсутствует"},
        {{10000, 15000, 1}, "Богатые сокровища, мало"},
        {{1000, 2000, 5}, "Настроено: (1000-2000) x 5"},
        {{20000, 30000, 6}, "Настроено: (20000-30000) x 6"},
        {{20000, 30000, 9}, "Настроено: (20000-30000) x 9"},
        {{20000, 30000, 1}, "Очень богатые, мало"},
        {{500, 3000, 9}, "Бедные сокровища, много"},
        {{100, 500, 6}, "Особые сокровища, средне"},
        {{-5, 0, 0}, "Настроено: (-5-0) x 0"}};
    ZoneRecord z;
    for (size_t slot = 0; slot < 3; ++slot)
        for (const auto& [group, text] : cases) {
            z.treasure[slot] = group;
            EXPECT_EQ(zoneInfo(z).treasure[slot], text) << slot;
        }
}

// {kind, count, title, height}: damaged counts and kinds fall back.
TEST(ConnectionInfo, TitlesAndHeights) {
    const struct {
        int32_t kind, count;
        const char* title;
        int height;
    } cases[] = {{0, 1, "Обычный переход", 81},
                 {1, 1, "Широкий переход", 49},
                 {2, 1, "Переход со стражем границы", 49},
                 {0, 3, "Мультипереход\n(Количество: 3)", 49},
                 {0, 12, "Мультипереход\n(Количество: 8)", 49},
                 {0, 0, "Обычный переход", 81},
                 {9, 1, "Обычный переход", 81}};
    ConnectionRecord c;
    c.passages[0].guard = 6000;
    for (const auto& r : cases) {
        c.passages[0].kind = r.kind;
        c.passageCount = r.count;
        const InfoPanelContent i = connectionInfo(c);
        EXPECT_EQ(i.title, r.title) << r.kind << " " << r.count;
        EXPECT_EQ(i.height, r.height) << r.kind << " " << r.count;
        EXPECT_FALSE(i.line3Visible);
    }
    c.passageCount = 1;
    c.passages[0].kind = 0;
    EXPECT_EQ(connectionInfo(c).line2, "Охрана: Средняя (6000)");
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

} // namespace
} // namespace zw
