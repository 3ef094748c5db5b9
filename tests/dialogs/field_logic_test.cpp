#include "dialogs/field_logic.h"

#include <gtest/gtest.h>

#include <limits>

namespace zw {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(NumberText, UnreadableTextGivesTheLowerBoundOrZero) {
    EXPECT_EQ(readNumberText("", kUnboundedRange), 0);
    EXPECT_EQ(readNumberText("abc", kUnboundedRange), 0);
    EXPECT_EQ(readNumberText("-300", kUnboundedRange), -300);
    EXPECT_EQ(readNumberText("", kOneToEightRange), 1);
    EXPECT_EQ(readNumberText("x", kOneToEightRange), 1);
}

TEST(NumberText, BoundedFieldsTakeTheNearerBound) {
    EXPECT_EQ(readNumberText("0", kOneToEightRange), 1);
    EXPECT_EQ(readNumberText("-5", kOneToEightRange), 1);
    EXPECT_EQ(readNumberText("9", kOneToEightRange), 8);
    EXPECT_EQ(readNumberText("99999999999", kOneToEightRange), 1); // no 32-bit number
    EXPECT_EQ(readNumberText("5", kOneToEightRange), 5);
    EXPECT_EQ(shownNumber(20, kOneToEightRange), 8);
    EXPECT_EQ(shownNumber(0, kOneToEightRange), 1);
    EXPECT_EQ(shownNumber(kMin, kUnboundedRange), kMin);
}

TEST(NumberText, ArrowsStepTheShownValueWithoutOverflow) {
    EXPECT_EQ(stepNumber(4, 1, kOneToEightRange), 5);
    EXPECT_EQ(stepNumber(8, 1, kOneToEightRange), 8);
    EXPECT_EQ(stepNumber(20, -1, kOneToEightRange), 7); // shown as 8, stepped down
    EXPECT_EQ(stepNumber(0, 1, kOneToEightRange), 2);   // shown as 1
    EXPECT_EQ(stepNumber(kMax, 1, kUnboundedRange), kMax);
    EXPECT_EQ(stepNumber(kMin, -1, kUnboundedRange), kMin);
    EXPECT_EQ(stepNumber(-1, 1, kUnboundedRange), 0);
}

TEST(NumberText, FieldsMarkStoredValuesTheyCannotShow) {
    for (int32_t v : {kMin, -1, 0, 9, kMax})
        EXPECT_TRUE(keepsUnshownValue(v, kOneToEightRange)) << v;
    for (int32_t v = 1; v <= 8; ++v)
        EXPECT_FALSE(keepsUnshownValue(v, kOneToEightRange)) << v;
    EXPECT_FALSE(keepsUnshownValue(kMin, kUnboundedRange));
    EXPECT_EQ(unshownValueNote(9, kOneToEightRange),
              "Записанное значение 9 лежит вне пределов 1..8 и сохранится, пока поле не изменено");
}

TEST(PresetBoxKeys, OnlyDigitsBackspaceAndTab) {
    for (char32_t c = U'0'; c <= U'9'; ++c)
        EXPECT_TRUE(presetBoxAcceptsChar(c));
    EXPECT_TRUE(presetBoxAcceptsChar(8));
    EXPECT_TRUE(presetBoxAcceptsChar(9));
    for (char32_t c : {U'a', U'-', U' ', U'.', U'Я', char32_t{0x16}, char32_t{13}})
        EXPECT_FALSE(presetBoxAcceptsChar(c));
}

TEST(ListPosition, ValuesOutsideTheListShowNoEntry) {
    EXPECT_EQ(listPosition(0, 3), 0);
    EXPECT_EQ(listPosition(2, 3), 2);
    EXPECT_EQ(listPosition(3, 3), -1);
    EXPECT_EQ(listPosition(-1, 3), -1);
    EXPECT_EQ(listPosition(kMin, 3), -1);
}

TEST(SizeField, FilledTextKeepsItsValueWhenLeft) {
    PresetField f = makeSizeField();
    f.fill(21);
    EXPECT_EQ(f.text(), "Большой (21)");
    EXPECT_EQ(f.selectedPreset(), -1);
    f.leave();
    EXPECT_EQ(f.held(), 21);
    EXPECT_EQ(f.text(), "Большой (21)");
}

TEST(SizeField, TypedTextIsReadWhenLeft) {
    PresetField f = makeSizeField();
    f.fill(14);
    EXPECT_EQ(f.selectedPreset(), 3); // "Средний (14)"
    f.type("21");
    EXPECT_EQ(f.held(), 14); // not read before leaving
    f.leave();
    EXPECT_EQ(f.held(), 21);
    EXPECT_EQ(f.text(), "Большой (21)");

    f.type("9");
    f.leave();
    EXPECT_EQ(f.text(), "Ниже среднего (9)");
    EXPECT_EQ(f.held(), 9);

    f.type("");
    f.leave();
    EXPECT_EQ(f.held(), 14);
    EXPECT_EQ(f.text(), "Средний (14)");

    f.type("99999999999"); // no 32-bit number
    f.leave();
    EXPECT_EQ(f.held(), 14);

    f.type("5");
    f.leave();
    EXPECT_EQ(f.selectedPreset(), 0); // the text names a preset again
}

TEST(SizeField, ChoosingAnEntrySetsItsValue) {
    PresetField f = makeSizeField();
    f.fill(21);
    f.type("33");
    f.choose(7);
    EXPECT_EQ(f.held(), 40);
    EXPECT_EQ(f.text(), "Огромный (40)");
    EXPECT_FALSE(f.typed());
    f.leave(); // nothing typed since the choice
    EXPECT_EQ(f.held(), 40);
    f.choose(8);
    f.choose(-1);
    EXPECT_EQ(f.held(), 40);
}

TEST(GuardField, FilledTextKeepsItsValueAndTypedTextIsRead) {
    PresetField g = makeGuardField();
    g.fill(20000);
    EXPECT_EQ(g.text(), "Мощная (20000)");
    g.leave();
    EXPECT_EQ(g.held(), 20000);
    g.type("20000");
    g.leave();
    EXPECT_EQ(g.text(), "Мощная (20000)");
    g.type("");
    g.leave();
    EXPECT_EQ(g.held(), 6000);
    EXPECT_EQ(g.text(), "Средняя (6000)");
    EXPECT_EQ(g.selectedPreset(), 4);
    g.choose(0);
    EXPECT_EQ(g.held(), 0);
    EXPECT_EQ(g.text(), "Нет охраны (0)");
}

} // namespace
} // namespace zw
