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

struct Int32Case {
    const char* text;
    IntegerSyntax syntax;
    std::optional<int32_t> value;
};

// What a field, a table cell, and a file name or list read as a 32-bit number.
TEST(IntegerText, EachSyntaxReadsItsOwnFormWithinThe32BitRange) {
    const Int32Case cases[] = {
        // Typed into a field: spaces around, a sign, decimal digits.
        {"0", kTypedNumber, 0},
        {"-17", kTypedNumber, -17},
        {"+5", kTypedNumber, 5},
        {"  42 ", kTypedNumber, 42},
        {"007", kTypedNumber, 7},
        {"2147483647", kTypedNumber, kInt32Max},
        {"-2147483648", kTypedNumber, kInt32Min},
        {"2147483648", kTypedNumber, std::nullopt},
        {"-2147483649", kTypedNumber, std::nullopt},
        {"99999999999999999999999999", kTypedNumber, std::nullopt},
        {"", kTypedNumber, std::nullopt},
        {" ", kTypedNumber, std::nullopt},
        {"-", kTypedNumber, std::nullopt},
        {"+", kTypedNumber, std::nullopt},
        {"1 2", kTypedNumber, std::nullopt},
        {"12a", kTypedNumber, std::nullopt},
        {"a12", kTypedNumber, std::nullopt},
        {"0x10", kTypedNumber, std::nullopt},
        {"$10", kTypedNumber, std::nullopt},
        {"1.5", kTypedNumber, std::nullopt},
        {"--1", kTypedNumber, std::nullopt},
        {"- 1", kTypedNumber, std::nullopt},
        // A table cell: spaces before, a sign, decimal or hexadecimal behind
        // "$", "x", "X", "0x" or "0X"; nothing after.
        {"12", kTableNumber, 12},
        {"   12", kTableNumber, 12},
        {"+12", kTableNumber, 12},
        {"-12", kTableNumber, -12},
        {"007", kTableNumber, 7},
        {"$1F", kTableNumber, 31},
        {"x1f", kTableNumber, 31},
        {"X1F", kTableNumber, 31},
        {"0x1F", kTableNumber, 31},
        {"0X1f", kTableNumber, 31},
        {"-$10", kTableNumber, -16},
        {" +0x10", kTableNumber, 16},
        {"0", kTableNumber, 0},
        {"0000000000000000000000000042", kTableNumber, 42},
        {"2147483647", kTableNumber, kInt32Max},
        {"2147483648", kTableNumber, std::nullopt},
        {"-2147483648", kTableNumber, kInt32Min},
        {"-2147483649", kTableNumber, std::nullopt},
        {"$7FFFFFFF", kTableNumber, kInt32Max},
        {"$80000000", kTableNumber, std::nullopt},
        {"-$80000000", kTableNumber, kInt32Min},
        {"$FFFFFFFF", kTableNumber, std::nullopt},
        {"99999999999999999999999999999", kTableNumber, std::nullopt},
        {"$FFFFFFFFFFFFFFFFFFFFFFFFF", kTableNumber, std::nullopt},
        {"", kTableNumber, std::nullopt},
        {" ", kTableNumber, std::nullopt},
        {"-", kTableNumber, std::nullopt},
        {"+", kTableNumber, std::nullopt},
        {"$", kTableNumber, std::nullopt},
        {"x", kTableNumber, std::nullopt},
        {"0x", kTableNumber, std::nullopt},
        {"12 ", kTableNumber, std::nullopt},
        {"1 2", kTableNumber, std::nullopt},
        {"- 5", kTableNumber, std::nullopt},
        {"\t12", kTableNumber, std::nullopt},
        {"1e3", kTableNumber, std::nullopt},
        {"0x1G", kTableNumber, std::nullopt},
        {"12a", kTableNumber, std::nullopt},
        {"$-1", kTableNumber, std::nullopt},
        {"$+1", kTableNumber, std::nullopt},
        {"--1", kTableNumber, std::nullopt},
        {"0b1", kTableNumber, std::nullopt},
        {"1.0", kTableNumber, std::nullopt},
        // Digits only.
        {"4242", kDigitsOnly, 4242},
        {"007", kDigitsOnly, 7},
        {"-5", kDigitsOnly, std::nullopt},
        {"+5", kDigitsOnly, std::nullopt},
        {" 5", kDigitsOnly, std::nullopt},
        {"5 ", kDigitsOnly, std::nullopt},
        {"$1F", kDigitsOnly, std::nullopt},
        {"", kDigitsOnly, std::nullopt},
    };
    for (const Int32Case& c : cases)
        EXPECT_EQ(parseInt32(c.text, c.syntax), c.value)
            << '"' << c.text << "\" spaces " << c.syntax.leadingSpaces << c.syntax.trailingSpaces
            << " sign " << c.syntax.sign << " hex " << c.syntax.hexPrefixes;
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
    const Case cases[] = {
        {"A", {0x41}},
        {"\xD0\x96", {0x416}},                          // Ж
        {"\xE2\x82\xAC", {0x20AC}},                     // €
        {"\xF0\x9F\x98\x80", {0x1F600}},                // beyond the basic plane
        {"\xF4\x8F\xBF\xBF", {0x10FFFF}},               // the last code point
        {"\xC0\x80", {-1, -1}},                         // overlong
        {"\xC1\xBF", {-1, -1}},                         // overlong
        {"\xE0\x80\x80", {-1, -1, -1}},                 // overlong
        {"\xF0\x80\x80\x80", {-1, -1, -1, -1}},         // overlong
        {"\xED\xA0\x80", {-1, -1, -1}},                 // a surrogate
        {"\xF4\x90\x80\x80", {-1, -1, -1, -1}},         // beyond U+10FFFF
        {"\xF8\x88\x80\x80\x80", {-1, -1, -1, -1, -1}}, // no lead byte
        {"\xD0", {-1}},                                 // cut off
        {"\xE2\x82", {-1, -1}},                         // cut off
        {"\xD0\x41", {-1, 0x41}},                       // no continuation
        {"\x80\xFF", {-1, -1}},                         // stray bytes
    };
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
    const Case cases[] = {
        {"Template.TPZ", kProjectExtension, "Template.TPZ"},
        {"Template.tPz", kProjectExtension, "Template.tPz"},
        {"Template", kProjectExtension, "Template.tpz"},
        {"map.txt", kProjectExtension, "map.txt.tpz"},
        {"map.", kProjectExtension, "map..tpz"},
        {"map.tpzx", kProjectExtension, "map.tpzx.tpz"},
        {"/home/me/maps.v2/plan", kProjectExtension, "/home/me/maps.v2/plan.tpz"},
        {"C:\\maps.v2\\plan", kProjectExtension, "C:\\maps.v2\\plan.tpz"},
        {"/home/me/maps.v2/plan.tpz", kProjectExtension, "/home/me/maps.v2/plan.tpz"},
        // Only A to Z are lowered: a Cyrillic look-alike is another extension.
        {"карта.ТРZ", kProjectExtension, "карта.ТРZ.tpz"},
        {"/d/rmg", ".txt", "/d/rmg.txt"},
        {"/d/rmg.txt", ".txt", "/d/rmg.txt"},
        {"/d/rmg.TXT", ".txt", "/d/rmg.TXT"},
        {"/d/rmg.tXt", ".txt", "/d/rmg.tXt"},
        {"/d/rmg.dat", ".txt", "/d/rmg.dat.txt"},
        {"/d/rmg.txt.bak", ".txt", "/d/rmg.txt.bak.txt"},
        {"/d.txt/rmg", ".txt", "/d.txt/rmg.txt"},
        {"C:\\d.txt\\rmg", ".txt", "C:\\d.txt\\rmg.txt"},
        {"rmg.", ".txt", "rmg..txt"},
        // A drive letter's colon: the name after it is what counts.
        {"C:rmg", ".txt", "C:rmg.txt"},
        {"C:rmg.TXT", ".txt", "C:rmg.TXT"},
        {"C:.txt", ".txt", "C:.txt"},
        {"/maps/a.txt:b", ".txt", "/maps/a.txt:b.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withExtension(c.path, c.extension), c.result) << c.path;
}

} // namespace
} // namespace zw
