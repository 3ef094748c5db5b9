#include "rmg/table_encoding.h"

#include "model/text.h"
#include "rmg/extended_table.h"
#include "rmg/template_list.h"
#include "support/extended_tables.h"
#include "support/rmg_fixtures.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::kTestHeader;
using test::startRow;

const std::string kBom = "\xEF\xBB\xBF";
// "Кольцо" in Windows-1251.
const std::string kRing = utf8ToCp1251("Кольцо");

std::string classicTable(const std::string& name) {
    return kTestHeader + startRow(name) + startRow("Tail");
}

std::string extendedLfTable() {
    return test::threeTemplateTable({.lineEnd = "\n"});
}

enum class Read { AsIs, Converted, Refused };

// Both directions of the rule: Windows-1251 (and ASCII) left as it is, UTF-8
// converted, UTF-8 the code page can't hold refused.
TEST(TableEncoding, RecognisesUtf8AndConvertsItToWindows1251) {
    struct Case {
        const char* what;
        std::string bytes;
        Read read;
        std::string expected; // the converted bytes, or a part of the refusal
    };
    const Case cases[] = {
        // Windows-1251 stays byte for byte.
        {"empty", "", Read::AsIs, ""},
        {"pure ASCII, both encodings alike", classicTable("Ring"), Read::AsIs, ""},
        {"Windows-1251 word", classicTable(kRing), Read::AsIs, ""},
        {"Windows-1251 extended layout", extendedLfTable(), Read::AsIs, ""},
        {"one letter before ASCII", utf8ToCp1251("В 1"), Read::AsIs, ""},
        {"signs alone", utf8ToCp1251("№5 «x» — ё"), Read::AsIs, ""},
        {"letter at the very end", utf8ToCp1251("Я"), Read::AsIs, ""},
        {"an overlong form", "a\xC1\xBFz", Read::AsIs, ""},
        {"UTF-8 followed by Windows-1251", "Кольцо " + kRing, Read::AsIs, ""},
        {"unfit UTF-8 before Windows-1251", "★ " + kRing, Read::AsIs, ""},
        // UTF-8, with or without the mark.
        {"UTF-8 classic", cp1251ToUtf8(classicTable(kRing)), Read::Converted, classicTable(kRing)},
        {"UTF-8 extended, LF, quoted cells", cp1251ToUtf8(extendedLfTable()), Read::Converted,
         extendedLfTable()},
        {"mark and UTF-8", kBom + cp1251ToUtf8(classicTable(kRing)), Read::Converted,
         classicTable(kRing)},
        {"mark and ASCII", kBom + classicTable("Ring"), Read::Converted, classicTable("Ring")},
        {"mark alone", kBom, Read::Converted, ""},
        {"signs only, no Cyrillic", "Maker’s — №1", Read::Converted,
         "Maker\x92s \x97 \xB9"
         "1"},
        {"Ukrainian and Ё", "ЁёЇїЄєҐґІі", Read::Converted, utf8ToCp1251("ЁёЇїЄєҐґІі")},
        // What UTF-8 "А" looks like in Windows-1251 ("Рђ") is taken for UTF-8.
        {"Windows-1251 that is UTF-8", utf8ToCp1251("Рђ"), Read::Converted, utf8ToCp1251("А")},
        // UTF-8 the code page can't hold, and a mark before what is no UTF-8.
        {"a star on line 2", "Кольцо\r\nЗвезда ★\r\n", Read::Refused,
         "в строке 2 есть знак «★» (U+2605)"},
        {"mark and a Latin letter", kBom + "Caf\xC3\xA9", Read::Refused, "«é» (U+00E9)"},
        {"beyond the basic plane", "Лес \xF0\x9F\x98\x80", Read::Refused, "(U+1F600)"},
        {"mark and Windows-1251", kBom + "a\r\n" + kRing, Read::Refused,
         "помечена как UTF-8, но в строке 2"},
    };
    for (const Case& c : cases) {
        const auto result = tableAsCp1251(c.bytes);
        if (c.read == Read::Refused) {
            ASSERT_TRUE(std::holds_alternative<TableRefusal>(result)) << c.what;
            EXPECT_NE(std::get<TableRefusal>(result).message.find(c.expected), std::string::npos)
                << c.what << ": " << std::get<TableRefusal>(result).message;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<Cp1251Table>(result)) << c.what;
        const auto& table = std::get<Cp1251Table>(result);
        EXPECT_EQ(table.fromUtf8, c.read == Read::Converted) << c.what;
        EXPECT_EQ(table.bytes, c.read == Read::AsIs ? c.bytes : c.expected) << c.what;
    }
}

// After the conversion both layouts find their templates by their names.
TEST(TableEncoding, ConvertedTablesListTheirNames) {
    const auto classic = tableAsCp1251(cp1251ToUtf8(classicTable(kRing)));
    const auto entries = splitTable(std::get<Cp1251Table>(classic).bytes);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, kRing);

    const auto extended = tableAsCp1251(kBom + cp1251ToUtf8(extendedLfTable()));
    const std::string& bytes = std::get<Cp1251Table>(extended).bytes;
    const auto read = ExtendedTable::read(bytes);
    ASSERT_TRUE(std::holds_alternative<ExtendedTable>(read));
    const auto& templates = std::get<ExtendedTable>(read).templates();
    ASSERT_EQ(templates.size(), 3u);
    EXPECT_EQ(templates[2].name, kRing);
}

// What the user is told: nothing for Windows-1251, a note when reading, a
// question before writing, an error for a refusal.
TEST(TableEncoding, TheUserIsToldOnce) {
    const std::string utf8 = cp1251ToUtf8(classicTable(kRing));
    struct Case {
        const char* what;
        std::string bytes;
        TableUse use;
        MessageResult answer;
        std::optional<MessageKind> shown;
        std::optional<TableStop> stop;
    };
    const auto info = MessageKind::Information, ask = MessageKind::Confirmation,
               error = MessageKind::Error;
    const auto read = TableUse::Read, rewrite = TableUse::Rewrite;
    // clang-format off
    const Case cases[] = {
        {"Windows-1251 read", classicTable(kRing), read, MessageResult::Ok, {}, {}},
        {"Windows-1251 rewritten", classicTable(kRing), rewrite, MessageResult::No, {}, {}},
        {"UTF-8 read", utf8, read, MessageResult::Ok, info, {}},
        {"UTF-8 rewritten, Yes", utf8, rewrite, MessageResult::Yes, ask, {}},
        {"UTF-8 rewritten, No", utf8, rewrite, MessageResult::No, ask, TableStop::Declined},
        {"unfit read", "Лес ★", read, MessageResult::Ok, error, TableStop::Refused},
        {"unfit rewritten", "Лес ★", rewrite, MessageResult::Yes, error, TableStop::Refused},
    };
    // clang-format on
    for (const Case& c : cases) {
        ScriptedServices services;
        services.messageAnswers = {c.answer};
        const auto result = tableForUse(c.bytes, c.use, services);
        ASSERT_EQ(services.messages.size(), c.shown ? 1u : 0u) << c.what;
        if (c.shown) {
            const RecordedMessage& m = services.messages[0];
            EXPECT_EQ(m.kind, *c.shown) << c.what;
            EXPECT_EQ(m.buttons, m.kind == MessageKind::Confirmation ? MessageButtons::YesNo
                                                                     : MessageButtons::Ok)
                << c.what;
            if (m.kind == MessageKind::Information) {
                EXPECT_EQ(m.text, kUtf8TableConverted) << c.what;
            } else if (m.kind == MessageKind::Confirmation) {
                EXPECT_EQ(m.text, kUtf8TableQuestion) << c.what;
            }
        }
        if (c.stop) {
            ASSERT_TRUE(std::holds_alternative<TableStop>(result)) << c.what;
            EXPECT_EQ(std::get<TableStop>(result), *c.stop) << c.what;
        } else {
            ASSERT_TRUE(std::holds_alternative<std::string>(result)) << c.what;
            EXPECT_EQ(std::get<std::string>(result), classicTable(kRing)) << c.what;
        }
    }
}

} // namespace
} // namespace zw
