// The help files beside the executable, Russian and English: Windows-1251
// text with CR LF line ends that names every button, menu entry and shortcut
// of the window in its language.
#include "editor/commands/edit_actions.h"
#include "editor/commands/readme_command.h"
#include "editor/commands/toolbar.h"
#include "model/text.h"
#include "support/model_samples.h"
#include "support/ts_lookup.h"

#include <gtest/gtest.h>
#include <optional>

namespace zw {
namespace {

struct HelpFile {
    const char* language;
    // The file's name in the help's own language, as the help button finds it.
    std::string name() const { return translated("Editor", kHelpFileName); }
    // Texts the user meets in the program, quoted exactly.
    std::vector<const char*> quoted;
    // The interface's texts in this language; none: the Russian source.
    std::optional<TranslationLookup> lookup;

    friend void PrintTo(const HelpFile& f, std::ostream* os) { *os << f.language; }
};

std::vector<HelpFile> helpFiles() {
    return {{"ru",
             {"Сохранить изменения?", "Не удалось загрузить файл шаблона!", "Ошибок не обнаружено",
              "Создание перехода между локациями", "Вставка шаблона в файл", "zonewright-cli build",
              "Восстановить несохраненный шаблон?"},
             std::nullopt},
            {"en",
             {"Save changes?", "Could not load the template file!", "No errors found",
              "Create a connection between zones", "zonewright-cli build",
              "Recover the unsaved template?", "--language en"},
             test::tsLookup(test::coreTranslationFile())}};
}

// Each case runs with the interface in the help file's language.
class HelpText : public ::testing::TestWithParam<HelpFile> {
  protected:
    void SetUp() override {
        if (GetParam().lookup)
            setTranslationLookup(*GetParam().lookup);
    }
    void TearDown() override { setTranslationLookup({}); }
    std::string bytes() const {
        return test::slurp(std::string(ZW_DATA_DIR) + "/" + GetParam().name());
    }
};

INSTANTIATE_TEST_SUITE_P(Languages, HelpText, ::testing::ValuesIn(helpFiles()),
                         [](const auto& info) { return std::string(info.param.language); });

bool isAsciiAlnum(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Whether `key` appears as a whole: "Ctrl+S" inside "Ctrl+Shift+S" does not count.
bool mentionsKey(const std::string& text, std::string_view key) {
    for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        const size_t end = at + key.size();
        if ((at == 0 || !isAsciiAlnum(text[at - 1])) &&
            (end == text.size() || !isAsciiAlnum(text[end])))
            return true;
    }
    return false;
}

TEST_P(HelpText, IsWindows1251WithCrLfLines) {
    const std::string bytes = this->bytes();
    ASSERT_GT(bytes.size(), 2000u);
    for (size_t i = 0; i < bytes.size(); ++i) {
        ASSERT_TRUE(bytes[i] != '\n' || (i > 0 && bytes[i - 1] == '\r')) << "bare LF at " << i;
        ASSERT_TRUE(bytes[i] != '\r' || (i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            << "bare CR at " << i;
        ASSERT_NE(static_cast<unsigned char>(bytes[i]), 0x98) << "unassigned byte at " << i;
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    const std::string text = cp1251ToUtf8(bytes);
    for (const char* quoted : GetParam().quoted)
        EXPECT_NE(text.find(quoted), std::string::npos) << quoted;
    // Read as UTF-8, the same bytes would not be text at all.
    EXPECT_FALSE(utf8FitsCp1251(bytes));
}

// A new button, menu entry or shortcut can't go undocumented: each button's
// hint (up to its first sentence or bracket), each menu entry and each key.
TEST_P(HelpText, NamesEveryButtonMenuEntryAndShortcut) {
    const std::string text = cp1251ToUtf8(bytes());
    std::vector<std::string_view> keys;
    for (const ToolbarEntry& entry : toolbarEntries()) {
        const std::string_view hint = translatedView("Editor", entry.hint);
        std::string_view name = hint.substr(0, hint.find(". "));
        name = name.substr(0, name.find(" ("));
        EXPECT_NE(text.find(name), std::string::npos) << "button " << entry.id << ": " << name;
        keys.insert(keys.end(), entry.keys.begin(), entry.keys.end());
    }
    for (const ShortcutEntry& entry : shortcutEntries())
        keys.insert(keys.end(), entry.keys.begin(), entry.keys.end());
    for (const auto* table : {&clipboardActions(), &symmetryActions()}) {
        for (const EditAction& action : *table) {
            std::string_view name = translatedView("Editor", action.text);
            if (name.ends_with("…"))
                name.remove_suffix(std::string_view("…").size());
            EXPECT_NE(text.find(name), std::string::npos) << "menu entry " << action.id;
            keys.insert(keys.end(), action.keys.begin(), action.keys.end());
        }
    }
    ASSERT_GT(keys.size(), 15u);
    for (const std::string_view key : keys)
        EXPECT_TRUE(mentionsKey(text, key)) << key;
}

} // namespace
} // namespace zw
