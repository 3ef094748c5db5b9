// The help file beside the executable: Windows-1251 text with CR LF line ends
// that names every button, menu entry and shortcut of the window.
#include "editor/commands/edit_actions.h"
#include "editor/commands/toolbar.h"
#include "model/text.h"
#include "support/model_samples.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

std::string helpText() {
    return cp1251ToUtf8(test::slurp(std::string(ZW_DATA_DIR) + "/Readme&help.txt"));
}

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

TEST(HelpText, IsWindows1251WithCrLfLines) {
    const std::string bytes = test::slurp(std::string(ZW_DATA_DIR) + "/Readme&help.txt");
    ASSERT_GT(bytes.size(), 2000u);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
        }
        ASSERT_NE(static_cast<unsigned char>(bytes[i]), 0x98) << "unassigned byte at " << i;
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    const std::string text = cp1251ToUtf8(bytes);
    // Texts the user meets in the program, quoted exactly.
    for (const char* quoted :
         {"Сохранить изменения?", "Не удалось загрузить файл шаблона!", "Ошибок не обнаружено",
          "Создание перехода между локациями", "Вставка шаблона в файл", "zonewright-cli build",
          "Восстановить несохраненный шаблон?"})
        EXPECT_NE(text.find(quoted), std::string::npos) << quoted;
    // Read as UTF-8, the same bytes would not be text at all.
    EXPECT_FALSE(utf8FitsCp1251(bytes));
}

// A new button, menu entry or shortcut can't go undocumented: each button's
// hint (up to its first sentence or bracket), each menu entry and each key.
TEST(HelpText, NamesEveryButtonMenuEntryAndShortcut) {
    const std::string text = helpText();
    std::vector<std::string_view> keys;
    for (const ToolbarEntry& entry : toolbarEntries()) {
        std::string_view name = entry.hint.substr(0, entry.hint.find(". "));
        name = name.substr(0, name.find(" ("));
        EXPECT_NE(text.find(name), std::string::npos) << "button " << entry.id << ": " << name;
        keys.insert(keys.end(), entry.keys.begin(), entry.keys.end());
    }
    for (const ShortcutEntry& entry : shortcutEntries())
        keys.insert(keys.end(), entry.keys.begin(), entry.keys.end());
    for (const auto* table : {&clipboardActions(), &symmetryActions()}) {
        for (const EditAction& action : *table) {
            std::string_view name = action.text;
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
