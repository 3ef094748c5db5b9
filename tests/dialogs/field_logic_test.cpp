#include "dialogs/field_logic.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace zw {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(NumberText, UnreadableTextGivesTheLowerBoundOrZeroAndBoundedFieldsTheNearerBound) {
    const NumberRange any = kUnboundedRange, one8 = kOneToEightRange;
    // 99999999999 is no 32-bit number.
    const std::tuple<const char*, NumberRange, int32_t> cases[] = {
        {"", any, 0},   {"abc", any, 0},          {"-300", any, -300},    {"", one8, 1},
        {"x", one8, 1}, {"0", one8, 1},           {"-5", one8, 1},        {"9", one8, 8},
        {"5", one8, 5}, {"99999999999", one8, 1}, {"99999999999", any, 0}};
    for (const auto& [text, range, read] : cases)
        EXPECT_EQ(readNumberText(text, range), read) << text << " " << range.hi;
    EXPECT_EQ(shownNumber(20, one8), 8);
    EXPECT_EQ(shownNumber(0, one8), 1);
    EXPECT_EQ(shownNumber(kMin, any), kMin);
}

TEST(NumberText, ArrowsStepTheShownValueWithoutOverflow) {
    // 20 is shown as 8 and stepped down, 0 is shown as 1.
    const std::tuple<int32_t, int, NumberRange, int32_t> cases[] = {
        {4, 1, kOneToEightRange, 5},      {8, 1, kOneToEightRange, 8},
        {20, -1, kOneToEightRange, 7},    {0, 1, kOneToEightRange, 2},
        {kMax, 1, kUnboundedRange, kMax}, {kMin, -1, kUnboundedRange, kMin},
        {-1, 1, kUnboundedRange, 0}};
    for (const auto& [from, step, range, to] : cases)
        EXPECT_EQ(stepNumber(from, step, range), to) << from << " " << step;
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
    const std::pair<int32_t, int> cases[] = {{0, 0}, {2, 2}, {3, -1}, {-1, -1}, {kMin, -1}};
    for (const auto& [value, position] : cases)
        EXPECT_EQ(listPosition(value, 3), position) << value;
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
