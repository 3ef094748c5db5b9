#include "dialogs/template_list_logic.h"
#include "model/text.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

// A small table: a header line, then two templates of two rows each.
std::string table() {
    return utf8ToCp1251("header\tline\r\n"
                        "Alpha\t1\t2\trow one\r\n"
                        "\t\t\tsecond row\r\n"
                        "Шаблон\t3\t4\trow one\r\n"
                        "\t\t\tsecond row\r\n");
}

TEST(TemplateListName, TypedNameIsConvertedAfterTheCheck) {
    ScriptedServices services;
    TemplateListSession s(table(), ListMode::Adding, "Unnamed template", services);
    ASSERT_EQ(s.entries().size(), 2u);
    const auto outcome = addTypedTemplate(s, "шаблон", services);
    ASSERT_EQ(outcome, ListOutcome::Proceed);
    EXPECT_EQ(s.nameField, utf8ToCp1251("шаблон"));
    // Lower-case Cyrillic differs from the stored name: nothing deleted.
    EXPECT_EQ(s.entries().size(), 2u);
    EXPECT_FALSE(s.deletedFlag);
    EXPECT_TRUE(services.messages.empty());
}

TEST(TemplateListName, MatchingNameReplacesTheTemplate) {
    ScriptedServices services;
    TemplateListSession s(table(), ListMode::Adding, "", services);
    ASSERT_EQ(addTypedTemplate(s, "ALPHA", services), ListOutcome::Proceed);
    ASSERT_EQ(s.entries().size(), 1u);
    EXPECT_EQ(s.entries()[0].name, utf8ToCp1251("Шаблон"));
    EXPECT_TRUE(s.deletedFlag);
}

TEST(TemplateListName, NamesTheTableCannotHoldAreRefusedBeforeConversion) {
    for (const std::string& bad :
         {std::string("Ω"), std::string("a\tb"), std::string("x\r"), std::string(65, 'n')}) {
        ScriptedServices services;
        TemplateListSession s(table(), ListMode::Adding, "Unnamed template", services);
        EXPECT_EQ(addTypedTemplate(s, bad, services), std::nullopt) << bad;
        ASSERT_EQ(services.messages.size(), 1u) << bad;
        EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(s.nameField, "Unnamed template"); // nothing handed over
        EXPECT_EQ(s.buffer(), table());             // nothing deleted
    }
}

TEST(TemplateListName, ANameOnlyTheConversionWouldMatchIsNotReplaced) {
    // "?" is what a lossy conversion makes of letters the code page lacks; a
    // template named "?" must not be replaced by a name typed as "Ω".
    ScriptedServices services;
    const std::string buffer = "h\r\n?\t1\t2\tx\r\nrest\r\n";
    TemplateListSession s(buffer, ListMode::Adding, "", services);
    ASSERT_EQ(s.entries().size(), 1u);
    EXPECT_EQ(addTypedTemplate(s, "Ω", services), std::nullopt);
    EXPECT_EQ(s.entries().size(), 1u);
    EXPECT_FALSE(s.deletedFlag);
}

} // namespace
} // namespace zw
