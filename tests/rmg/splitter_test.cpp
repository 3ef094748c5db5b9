// The table splitter and the buffer edits of the list window.
#include "model/numbers.h"
#include "model/text.h"
#include "rmg/template_list.h"
#include "support/rmg_fixtures.h"

#include <gtest/gtest.h>

#include <random>

namespace zw {
namespace {

using test::kTestHeader;
using test::rmgRow;
using test::startRow;

// A table with a header and three templates, the last ending without CR LF.
struct ThreeTemplates {
    std::string t1 = startRow("First", "4", "9") + rmgRow({{3, "2"}});
    std::string t2 = startRow("Second", "$1", "0x20") + "\r\n";
    std::string t3 = "Third\t1\t2\tx\t";
    std::string buffer = kTestHeader + t1 + t2 + t3;
};

TEST(Splitter, FindsTemplatesWithTheirNamesAndStretches) {
    const ThreeTemplates t;
    const auto list = splitTable(t.buffer);
    const auto h = static_cast<int32_t>(kTestHeader.size());
    const auto l1 = static_cast<int32_t>(t.t1.size());
    const auto l2 = static_cast<int32_t>(t.t2.size());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], (TTemplateInside{"First", h, l1}));
    // The blank line after the second template's row belongs to it.
    EXPECT_EQ(list[1], (TTemplateInside{"Second", h + l1, l2}));
    EXPECT_EQ(list[2], (TTemplateInside{"Third", h + l1 + l2, static_cast<int32_t>(t.t3.size())}));
    EXPECT_EQ(tableHeader(t.buffer, list), kTestHeader);
}

TEST(Splitter, TheFirstLineIsNeverAStartButAHeaderLineAfterCrLfCanBe) {
    const auto list = splitTable("title\r\nLooks\t5\t6\tlike one\r\nT\t1\t2\tx\r\n");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "Looks");
    EXPECT_EQ(list[0].start, 7);
    EXPECT_EQ(list[1].name, "T");
}

// A line after "h" (and before "end"): does it start a template?
TEST(Splitter, WhichLinesStartATemplate) {
    const std::string n64(64, 'n'), n65(65, 'n'), d64 = std::string(63, '0') + "1";
    const std::string starts[] = {
        "\r\nT\t1\t2\tx\r\n", "\r\nT\t-100\t101\tx\r\n", "\r\nT\t $A\t-x1\tx\r\n",
        // A CR before CR LF leaves the CR LF its start.
        "\r\r\nT\t1\t2\tx\r\n", "\r\n" + n64 + "\t1\t2\tx\r\n", "\r\nT\t" + d64 + "\t2\tx\r\n"};
    const std::string noStarts[] = {
        // One hundred in the second or third field, in any of the number forms.
        "\r\nT\t100\t2\tx\r\n", "\r\nT\t1\t100\tx\r\n", "\r\nT\t0x64\t2\tx\r\n",
        "\r\nT\t1\t$64\tx\r\n", "\r\nT\t+100\t2\tx\r\n", "\r\nT\t  100\t2\tx\r\n",
        // No numbers of the table syntax, or no third field ending.
        "\r\nT\t\t2\tx\r\n", "\r\nT\t1 \t2\tx\r\n", "\r\nT\t1\tx\tx\r\n", "\r\nT\t1\t2\r\n",
        // Bare line ends start no line; a CR inside the fields ends the test of that line.
        "\nT\t1\t2\tx\r\n", "\rT\t1\t2\tx\r\n", "\n\rT\t1\t2\tx\r\n", "\r\nT\t1\r\t2\tx\r\n",
        // Fields longer than 64 bytes.
        "\r\n" + n65 + "\t1\t2\tx\r\n", "\r\nT\t0" + d64 + "\t2\tx\r\n",
        "\r\nT\t1\t0" + d64 + "\tx\r\n"};
    for (const std::string& line : starts)
        EXPECT_EQ(splitTable("h" + line + "end").size(), 1u) << ::testing::PrintToString(line);
    for (const std::string& line : noStarts)
        EXPECT_TRUE(splitTable("h" + line + "end").empty()) << ::testing::PrintToString(line);
    // An LF inside the fields is skipped.
    const auto list = splitTable("h\r\nAB\nC\t1\n2\t3\tx\r\nend");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "ABC");
}

TEST(Splitter, ATooLongFirstRowBelongsToTheTemplateBeforeIt) {
    const std::string buffer = "h\r\nT\t1\t2\tx\r\n" + std::string(65, 'n') + "\t1\t2\tx\r\n";
    const auto list = splitTable(buffer);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].length, static_cast<int32_t>(buffer.size()) - 3);
}

TEST(Splitter, TheLastByteIsNeverExamined) {
    for (const char* buffer :
         {"h\r\nT\t1\t2\t", "h\r\nT\t1\t2\tX", "", "\r", "\r\n", "A\t1\t2\tx\r\nmore\r\n"})
        EXPECT_TRUE(splitTable(buffer).empty()) << ::testing::PrintToString(buffer);
    EXPECT_EQ(splitTable("h\r\nT\t1\t2\tXY"), (std::vector<TTemplateInside>{{"T", 3, 8}}));
}

// The splitter's rules transcribed step by step, byte by byte, as a reference
// for the production splitter (which skips ahead between line ends).
std::vector<TTemplateInside> referenceSplit(const std::string& buf) {
    std::vector<TTemplateInside> list;
    int s = 0;
    std::string F1, F2, F3, Nm;
    int32_t L = 0, S = 0;
    size_t readPos = 0;
    auto number = [](const std::string& f) { return parseInt32(f, kTableNumber); };
    for (;;) {
        if (readPos >= buf.size())
            break;
        const char c = buf[readPos++];
        if (readPos == buf.size())
            break;
        if (s == 5) {
            const auto a = number(F2), b = number(F3);
            if (a && b && *a != 100 && *b != 100) {
                if (S > 0)
                    list.push_back({Nm, S, L - S});
                S = L;
                Nm = F1;
            }
            s = 0;
        }
        if (s == 2 || s == 3 || s == 4) {
            std::string& f = s == 2 ? F1 : s == 3 ? F2 : F3;
            if (c != '\t' && c != '\n')
                f += c;
            if (c == '\t') {
                s += 1;
                if (s == 3)
                    F2.clear();
                if (s == 4)
                    F3.clear();
            }
            if (c == '\r')
                s = 0;
            if (s == 2 || s == 3 || s == 4) {
                const std::string& g = s == 2 ? F1 : s == 3 ? F2 : F3;
                if (g.size() > 64)
                    s = 0;
            }
        }
        if (s == 1) {
            if (c == '\n') {
                s = 2;
                F1.clear();
                L = static_cast<int32_t>(readPos);
            } else {
                s = 0;
            }
        }
        if (s == 0 && c == '\r')
            s = 1;
    }
    if (S > 0)
        list.push_back({Nm, S, static_cast<int32_t>(buf.size()) - S});
    return list;
}

TEST(Splitter, AgreesWithTheStepByStepRulesOnRandomTables) {
    std::mt19937 gen(4242);
    const std::string alphabet[] = {"\t",      "\r",  "\n",  "\r\n", "1",
                                    "0",       "100", "$64", "x",    "0x",
                                    " ",       "-",   "A",   "Name", std::string(30, 'q'),
                                    "\t1\t2\t"};
    for (int round = 0; round < 3000; ++round) {
        std::string buf;
        const int pieces = static_cast<int>(gen() % 60);
        for (int k = 0; k < pieces; ++k)
            buf += alphabet[gen() % std::size(alphabet)];
        ASSERT_EQ(splitTable(buf), referenceSplit(buf)) << ::testing::PrintToString(buf);
    }
}

TEST(Splitter, DeletingOneTemplateKeepsTheLineEndBeforeIt) {
    const ThreeTemplates t;
    const auto list = splitTable(t.buffer);
    EXPECT_EQ(withoutTemplate(t.buffer, list[1]), kTestHeader + t.t1 + t.t3);
    // The last template's table ends without LF: the line before keeps its CR LF.
    const std::string rest = withoutTemplate(t.buffer, list[2]);
    EXPECT_EQ(rest, kTestHeader + t.t1 + t.t2);
    const auto after = splitTable(rest);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0], list[0]);
    EXPECT_EQ(after[1], list[1]);
    EXPECT_EQ(withoutTemplate(withoutTemplate(rest, after[1]), after[0]), kTestHeader);
}

TEST(Splitter, EntriesOutsideTheBufferAreClamped) {
    const std::string buffer = "abcdef";
    EXPECT_EQ(templateBlock(buffer, {"x", 4, 100}), "ef");
    EXPECT_EQ(templateBlock(buffer, {"x", -5, 3}), "abc");
    EXPECT_EQ(templateBlock(buffer, {"x", 10, 3}), "");
    EXPECT_EQ(withoutTemplate(buffer, {"x", 2, 100}), "ab");
    EXPECT_EQ(tableHeader(buffer, {{"x", 100, 1}}), "abcdef");
}

TEST(Splitter, NameLookupFoldsOnlyLatinCapitals) {
    const std::string upper = utf8ToCp1251("Шаблон One"), lower = utf8ToCp1251("шаблон one");
    const std::vector<TTemplateInside> list = {{"Alpha", 10, 1}, {upper, 20, 1}, {"ALPHA", 30, 1}};
    EXPECT_EQ(findTemplateByName(list, "alpha"), 0u);
    EXPECT_EQ(findTemplateByName(list, utf8ToCp1251("Шаблон ONE")), 1u);
    EXPECT_FALSE(findTemplateByName(list, lower));
    EXPECT_FALSE(findTemplateByName(list, "Alpha "));
    EXPECT_FALSE(findTemplateByName({}, "Alpha"));
}

} // namespace
} // namespace zw
