#include "dialogs/template_logic.h"
#include "model/text.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

// Checked map sizes as a string of 0 and 1 in list order.
std::string checks(const TemplateForm& f) {
    std::string s;
    for (int k = 0; k < kMapSizeCount; ++k)
        s += f.sizeChecked(k) ? '1' : '0';
    return s;
}

// Visible player rows 1..8 as a string of 0 and 1.
std::string rows(const TemplateForm& f) {
    std::string s;
    for (int p = 1; p <= 8; ++p)
        s += f.playerRowVisible(p) ? '1' : '0';
    return s;
}

TemplateForm newTemplateForm() {
    TemplateForm f;
    f.fill(makeNewTemplate());
    return f;
}

TEST(TemplateSizes, NewTemplateAllowsFourToNine) {
    const TemplateForm f = newTemplateForm();
    EXPECT_EQ(f.name, "Unnamed template");
    EXPECT_EQ(checks(f), "00111000"); // "72х72х1", "72х72х2", "108х108х1"
    EXPECT_EQ(f.rangeLabel(), "Допустимые размеры карты: [4,9]");
    EXPECT_EQ(f.playerCountIndex, 0);
    EXPECT_EQ(rows(f), "11000000");
}

// Clicks on the size boxes, from a new template or from a checked range of sizes.
TEST(TemplateSizes, ClicksSplitOrFillTheRange) {
    using Clicks = std::vector<std::pair<int, bool>>;
    const std::optional<std::pair<int, int>> fresh, all = std::pair{1, 32}, none = std::pair{0, 0};
    const struct {
        const char* what;
        std::optional<std::pair<int, int>> from;
        Clicks clicks;
        const char* checked;
        int lo, hi;
    } cases[] = {
        // Unchecking splits the range on the side that agrees more: 72х72х2 (8) a tie
        // (L = 7, H = 7), the upper part stays; 108х108х1 (9) L = 8 > H = 6; the lowest.
        {"8 of 4..9", fresh, {{3, false}}, "00001000", 9, 9},
        {"9 of 4..9", fresh, {{4, false}}, "00110000", 4, 8},
        {"4 of 4..9", fresh, {{2, false}}, "00011000", 8, 9},
        {"all, 108х108х1 (9) removed: L = 5 > H = 4", all, {{4, false}}, "11110000", 1, 8},
        // 108х108х2 (18) lies above 144х144х1 (16) although it comes first in the list.
        {"all, 144х144х1 (16) removed", all, {{6, false}}, "11111000", 1, 9},
        {"the only size unchecked leaves none", std::pair{9, 9}, {{4, false}}, "00000000", 0, 0},
        // Checking fills the gap.
        {"up to the largest", fresh, {{7, true}}, "00111111", 4, 32},
        {"and down to the smallest", fresh, {{7, true}, {0, true}}, "11111111", 1, 32},
        // Sizes out of list order.
        {"108х108х2 alone", none, {{5, true}}, "00000100", 18, 18},
        {"144х144х1 alone", none, {{5, true}, {5, false}, {6, true}}, "00000010", 16, 16},
        {"both", none, {{5, true}, {5, false}, {6, true}, {5, true}}, "00000110", 16, 18},
    };
    for (const auto& c : cases) {
        TemplateForm f = newTemplateForm();
        if (c.from)
            f = TemplateForm(), f.checkSizeRange(c.from->first, c.from->second);
        for (const auto& [box, on] : c.clicks)
            f.clickSize(box, on);
        EXPECT_EQ(checks(f), c.checked) << c.what;
        EXPECT_EQ(f.rangeLabel(), "Допустимые размеры карты: [" + std::to_string(c.lo) + "," +
                                      std::to_string(c.hi) + "]")
            << c.what;
        EXPECT_EQ(std::pair(f.lo(), f.hi()), std::pair(c.lo, c.hi)) << c.what;
    }
}

TEST(TemplateSizes, StoredRangeIsShownAsItIs) {
    TRmg t = makeNewTemplate();
    t.header.minSize = 3;
    t.header.maxSize = 100;
    TemplateForm f;
    f.fill(t);
    EXPECT_EQ(checks(f), "00111111");
    EXPECT_EQ(f.rangeLabel(), "Допустимые размеры карты: [3,100]");
    ScriptedServices services;
    const auto s = f.accept(services);
    ASSERT_TRUE(s);
    EXPECT_EQ(std::pair(s->minSize, s->maxSize), std::pair(3, 100));
    // An out-of-range click is ignored.
    f.clickSize(8, true);
    f.clickSize(-1, false);
    EXPECT_EQ(f.lo(), 3);
}

TEST(TemplatePlayers, RowsFollowThePlayerCount) {
    TemplateForm f = newTemplateForm();
    f.playerCountIndex = 3; // five players
    EXPECT_EQ(rows(f), "11111000");
    f.playerCountIndex = 99; // from a damaged file
    EXPECT_EQ(rows(f), "11111111");
    f.playerCountIndex = -4;
    EXPECT_EQ(rows(f), "11000000");
    EXPECT_FALSE(f.playerRowVisible(0));
    EXPECT_FALSE(f.playerRowVisible(9));
}

TEST(TemplatePlayers, AtLeastOneShownPlayerMayBeHuman) {
    ScriptedServices services;
    TemplateForm f = newTemplateForm();
    f.kinds = {1, 1, 0, 1, 1, 1, 1, 1};
    f.playerCountIndex = 1; // three players: player 3 counts
    const auto accepted = f.accept(services);
    ASSERT_TRUE(accepted);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(accepted->playerCountIndex, 1);
    EXPECT_EQ(accepted->kinds.playerKind, f.kinds);

    f.playerCountIndex = 0; // player 3 hidden: nobody may be human
    EXPECT_FALSE(f.accept(services));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Хотя бы один игрок-человек должен быть!");
    EXPECT_EQ(services.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
}

TEST(TemplatePlayers, HiddenKindsAreKept) {
    TRmg t = makeNewTemplate();
    t.kinds.playerKind = {0, 1, 1, 0, 7, 1, 0, -2};
    TemplateForm f;
    f.fill(t);
    ScriptedServices services;
    const auto s = f.accept(services);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->kinds, t.kinds);
    EXPECT_EQ(s->name, t.name);
    EXPECT_EQ(std::pair(s->minSize, s->maxSize), std::pair(4, 9));
}

TEST(TemplateName, TakenAsItIsAndConvertedToTheCodePage) {
    ScriptedServices services;
    TemplateForm f = newTemplateForm();
    f.name = "";
    ASSERT_TRUE(f.accept(services));
    EXPECT_EQ(f.accept(services)->name, "");
    f.name = "Мой шаблон";
    EXPECT_EQ(f.accept(services)->name, utf8ToCp1251("Мой шаблон"));
    // 64 Cyrillic letters are 64 characters, although 128 bytes on screen.
    f.name.clear();
    for (int i = 0; i < 64; ++i)
        f.name += "Ж";
    EXPECT_TRUE(f.accept(services));
    EXPECT_TRUE(services.messages.empty());
}

TEST(TemplateName, NamesATableCannotHoldAreRefused) {
    for (const std::string& bad :
         {std::string("a\tb"), std::string("line\rbreak"), std::string("line\nbreak"),
          std::string(65, 'x'), std::string("Ω-шаблон"), std::string("日本")}) {
        ScriptedServices services;
        TemplateForm f = newTemplateForm();
        f.name = bad;
        EXPECT_FALSE(f.accept(services)) << bad;
        ASSERT_EQ(services.messages.size(), 1u) << bad;
        EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(f.name, bad); // the dialog stays as the user left it
    }
}

} // namespace
} // namespace zw
