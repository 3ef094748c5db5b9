// The help file beside the executable: Windows-1251 text with CR LF line ends.
#include "model/text.h"
#include "support/model_samples.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

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
          "Создание перехода между локациями", "Вставка шаблона в файл", "zonewright-cli build"})
        EXPECT_NE(text.find(quoted), std::string::npos) << quoted;
    // Read as UTF-8, the same bytes would not be text at all.
    EXPECT_FALSE(utf8FitsCp1251(bytes));
}

} // namespace
} // namespace zw
