// The one reader of integers, of UTF-8 and of file extensions, in each syntax
// the program uses.
#include "model/numbers.h"
#include "model/project_file.h"
#include "model/text.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zw {
namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

// What a field, a table cell, and a file name or list read as a 32-bit number.
TEST(IntegerText, EachSyntaxReadsItsOwnFormWithinThe32BitRange) {
    struct Case {
        IntegerSyntax syntax;
        std::vector<std::pair<const char*, int32_t>> read;
        std::vector<const char*> refused;
    };
    // clang-format off
    const Case cases[] = {
        // Typed into a field: spaces around, a sign, decimal digits.
        {kTypedNumber,
         {{"0", 0}, {"-17", -17}, {"+5", 5}, {"  42 ", 42}, {"007", 7}, {"2147483647", kInt32Max},
          {"-2147483648", kInt32Min}},
         {"2147483648", "-2147483649", "99999999999999999999999999", "", " ", "-", "+", "1 2",
          "12a", "a12", "0x10", "$10", "1.5", "--1", "- 1"}},
        // A table cell: spaces before, a sign, decimal or hexadecimal behind
        // "$", "x", "X", "0x" or "0X"; nothing after.
        {kTableNumber,
         {{"12", 12}, {"   12", 12}, {"+12", 12}, {"-12", -12}, {"007", 7}, {"$1F", 31},
          {"x1f", 31}, {"X1F", 31}, {"0x1F", 31}, {"0X1f", 31}, {"-$10", -16}, {" +0x10", 16},
          {"0", 0}, {"0000000000000000000000000042", 42}, {"2147483647", kInt32Max},
          {"-2147483648", kInt32Min}, {"$7FFFFFFF", kInt32Max}, {"-$80000000", kInt32Min}},
         {"2147483648", "-2147483649", "$80000000", "$FFFFFFFF", "99999999999999999999999999999",
          "$FFFFFFFFFFFFFFFFFFFFFFFFF", "", " ", "-", "+", "$", "x", "0x", "12 ", "1 2", "- 5",
          "\t12", "1e3", "0x1G", "12a", "$-1", "$+1", "--1", "0b1", "1.0"}},
        // Digits only.
        {kDigitsOnly, {{"4242", 4242}, {"007", 7}}, {"-5", "+5", " 5", "5 ", "$1F", ""}}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "spaces " << c.syntax.leadingSpaces << c.syntax.trailingSpaces << " sign "
                     << c.syntax.sign << " hex " << c.syntax.hexPrefixes);
        for (const auto& [text, value] : c.read)
            EXPECT_EQ(parseInt32(text, c.syntax), value) << '"' << text << '"';
        for (const char* text : c.refused)
            EXPECT_EQ(parseInt32(text, c.syntax), std::nullopt) << '"' << text << '"';
    }
}

// Beyond 64 bits a number reads as the nearer bound: still a number, and too big.
TEST(IntegerText, HugeNumbersReadAsTheNearer64BitBound) {
    constexpr auto kMost = std::numeric_limits<int64_t>::max();
    constexpr auto kLeast = std::numeric_limits<int64_t>::min();
    EXPECT_EQ(parseInteger("4294967296"), 4294967296);
    EXPECT_EQ(parseInteger("9223372036854775807"), kMost);
    EXPECT_EQ(parseInteger("9223372036854775808"), kMost);
    EXPECT_EQ(parseInteger("99999999999999999999999"), kMost);
    EXPECT_EQ(parseInteger("-9223372036854775808", kTypedNumber), kLeast);
    EXPECT_EQ(parseInteger("-99999999999999999999999", kTypedNumber), kLeast);
    EXPECT_EQ(parseInteger("-$FFFFFFFFFFFFFFFFFF", kTableNumber), kLeast);
}

// Each character decoded, -1 where a byte starts none.
TEST(Utf8Text, DecodesWellFormedCharactersAndStepsOverEveryOtherByte) {
    struct Case {
        std::string bytes;
        std::vector<int32_t> decoded;
    };
    // clang-format off
    const Case cases[] = {
        // Ж, €, beyond the basic plane, the last code point.
        {"A\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF",
         {0x41, 0x416, 0x20AC, 0x1F600, 0x10FFFF}},
        // Overlong forms.
        {"\xC0\x80", {-1, -1}}, {"\xC1\xBF", {-1, -1}}, {"\xE0\x80\x80", {-1, -1, -1}},
        {"\xF0\x80\x80\x80", {-1, -1, -1, -1}},
        // A surrogate, beyond U+10FFFF, no lead byte.
        {"\xED\xA0\x80", {-1, -1, -1}}, {"\xF4\x90\x80\x80", {-1, -1, -1, -1}},
        {"\xF8\x88\x80\x80\x80", {-1, -1, -1, -1, -1}},
        // Cut off, no continuation, stray bytes.
        {"\xD0", {-1}}, {"\xE2\x82", {-1, -1}}, {"\xD0\x41", {-1, 0x41}}, {"\x80\xFF", {-1, -1}}};
    // clang-format on
    for (const Case& c : cases) {
        std::vector<int32_t> decoded;
        for (size_t i = 0; i < c.bytes.size();) {
            const size_t at = i;
            const auto cp = decodeUtf8(c.bytes, i);
            decoded.push_back(cp ? static_cast<int32_t>(*cp) : -1);
            ASSERT_GT(i, at);
        }
        EXPECT_EQ(decoded, c.decoded) << testing::PrintToString(c.bytes);
    }
}

// The extension is appended unless the name has it, in any case of A to Z.
TEST(FileExtension, AppendedUnlessThePathEndsWithItInAnyCase) {
    struct Case {
        const char* path;
        std::string_view extension;
        const char* result;
    };
    const std::string_view tpz = kProjectExtension;
    // clang-format off
    const Case cases[] = {
        {"Template.TPZ", tpz, "Template.TPZ"}, {"Template.tPz", tpz, "Template.tPz"},
        {"Template", tpz, "Template.tpz"}, {"map.txt", tpz, "map.txt.tpz"},
        {"map.", tpz, "map..tpz"}, {"map.tpzx", tpz, "map.tpzx.tpz"},
        {"/home/me/maps.v2/plan", tpz, "/home/me/maps.v2/plan.tpz"},
        {"C:\\maps.v2\\plan", tpz, "C:\\maps.v2\\plan.tpz"},
        {"/home/me/maps.v2/plan.tpz", tpz, "/home/me/maps.v2/plan.tpz"},
        // Only A to Z are lowered: a Cyrillic look-alike is another extension.
        {"карта.ТРZ", tpz, "карта.ТРZ.tpz"}, {"/d/rmg", ".txt", "/d/rmg.txt"},
        {"/d/rmg.txt", ".txt", "/d/rmg.txt"}, {"/d/rmg.TXT", ".txt", "/d/rmg.TXT"},
        {"/d/rmg.tXt", ".txt", "/d/rmg.tXt"}, {"/d/rmg.dat", ".txt", "/d/rmg.dat.txt"},
        {"/d/rmg.txt.bak", ".txt", "/d/rmg.txt.bak.txt"}, {"/d.txt/rmg", ".txt", "/d.txt/rmg.txt"},
        {"C:\\d.txt\\rmg", ".txt", "C:\\d.txt\\rmg.txt"}, {"rmg.", ".txt", "rmg..txt"},
        // A drive letter's colon: the name after it is what counts.
        {"C:rmg", ".txt", "C:rmg.txt"}, {"C:rmg.TXT", ".txt", "C:rmg.TXT"},
        {"C:.txt", ".txt", "C:.txt"}, {"/maps/a.txt:b", ".txt", "/maps/a.txt:b.txt"}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(withExtension(c.path, c.extension), c.result) << c.path;
}

} // namespace
} // namespace zw
