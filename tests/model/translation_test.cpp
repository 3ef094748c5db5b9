// The core's texts in another language: %1..%9 arguments, the lookup a program
// installs, counted texts, and the English translation file read as such a lookup.
#include "check/check.h"
#include "model/records.h"
#include "model/translation.h"
#include "model/zone_rules.h"
#include "support/ts_lookup.h"

#include <gtest/gtest.h>
#include <map>

namespace zw {
namespace {

TEST(Translation, WithArgumentsPutsEachArgumentInItsPlace) {
    struct Case {
        std::string_view pattern;
        std::initializer_list<std::string_view> arguments;
        std::string_view expected;
    };
    const Case cases[] = {
        {"Нет локации с номером %1.", {"7"}, "Нет локации с номером 7."},
        {"%2 before %1", {"a", "b"}, "b before a"}, // reordered
        {"%1%1", {"x"}, "xx"},                      // twice
        {"100% и %3", {"a"}, "100% и %3"},          // no such argument
        {"%1", {"%2"}, "%2"},                       // not expanded again
        {"end %", {"a"}, "end %"},
        {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withArguments(c.pattern, c.arguments), c.expected) << c.pattern;
}

class TranslationLookupTest : public ::testing::Test {
  protected:
    void TearDown() override { setTranslationLookup({}); }
    static TranslationLookup fake(std::map<std::string, std::string> texts) {
        return [texts](const char* context, const char* source) {
            const auto it = texts.find(std::string(context) + "|" + source);
            return it == texts.end() ? std::string() : it->second;
        };
    }
};

TEST_F(TranslationLookupTest, FoundTextsTranslateAndTheRestStayRussian) {
    setTranslationLookup(fake({{"Check|Ошибок не обнаружено", "No errors found"}}));
    EXPECT_EQ(translated("Check", "Ошибок не обнаружено"), "No errors found");
    EXPECT_EQ(translated("Model", "Ошибок не обнаружено"), "Ошибок не обнаружено"); // other context
    EXPECT_EQ(translated("Check", "Шаг назад"), "Шаг назад");                       // not found
    const std::string_view view = translatedView("Check", kNoErrorsFound);
    EXPECT_EQ(view, "No errors found");
    EXPECT_EQ(translatedView("Check", kNoErrorsFound).data(), view.data()); // kept, not copied

    setTranslationLookup({});
    EXPECT_EQ(translated("Check", "Ошибок не обнаружено"), "Ошибок не обнаружено");
    EXPECT_EQ(translatedView("Check", kNoErrorsFound).data(), kNoErrorsFound.data());
}

TEST_F(TranslationLookupTest, CountedTextsFollowTheRulesOfTheLanguageShown) {
    const char* one = "%1 локация";
    const char* few = "%1 локации";
    const char* many = "%1 локаций";
    struct Case {
        int64_t n;
        std::string_view russian;
        std::string_view english;
    };
    const Case cases[] = {{1, "1 локация", "1 zone"},     {2, "2 локации", "2 zones"},
                          {5, "5 локаций", "5 zones"},    {11, "11 локаций", "11 zones"},
                          {12, "12 локаций", "12 zones"}, {21, "21 локация", "21 zones"},
                          {22, "22 локации", "22 zones"}, {111, "111 локаций", "111 zones"},
                          {0, "0 локаций", "0 zones"}};
    for (const Case& c : cases)
        EXPECT_EQ(countedText("Model", c.n, one, few, many), c.russian) << c.n;
    setTranslationLookup(fake({{"Model|%1 локация", "%1 zone"},
                               {"Model|%1 локации", "%1 zones"},
                               {"Model|%1 локаций", "%1 zones"}}));
    for (const Case& c : cases)
        EXPECT_EQ(countedText("Model", c.n, one, few, many), c.english) << c.n;
}

// The translation file itself, as the programs read it: texts built of parts
// come out whole in English, and the Russian is back once it is removed.
TEST_F(TranslationLookupTest, TheEnglishFileTranslatesBuiltTexts) {
    TRmg t = makeNewTemplate();
    ZoneRecord start = makeDefaultZone();
    start.kind = code(ZoneKind::Start);
    start.owner = 1;
    t.appendZone(start);
    const std::string russian = checkTemplate(t).value_or("");
    ASSERT_EQ(russian, "Обнаружена логическая ошибка.\rУ игрока 2 нет стартовой локации");

    setTranslationLookup(test::tsLookup(test::coreTranslationFile()));
    EXPECT_EQ(checkTemplate(t), "A logical error was found.\rPlayer 2 has no start zone");
    EXPECT_EQ(zoneProblemIn(5, translatedView("Model", zone_messages::kNoTerrains)),
              "Error in zone 5\r\rNo terrain types are allowed");
    setTranslationLookup({});
    EXPECT_EQ(checkTemplate(t), russian);
}

} // namespace
} // namespace zw
