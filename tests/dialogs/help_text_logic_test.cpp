#include "dialogs/help_text_logic.h"
#include "model/text.h"
#include "platform/scripted_services.h"
#include "support/rmg_temp_dir.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(HelpCommand, PathLiesInTheFolderOfTheExecutable) {
    EXPECT_EQ(helpFilePath("/usr/local/bin"), "/usr/local/bin/Readme&help.txt");
    EXPECT_EQ(helpFilePath("/usr/local/bin/"), "/usr/local/bin/Readme&help.txt");
    EXPECT_EQ(helpFilePath("C:\\zw\\"), "C:\\zw\\Readme&help.txt");
}

TEST(HelpCommand, ShownInTheEditorOnlyWhenTheDesktopCannotOpenIt) {
    testing::RmgTempDir dir;
    const std::string path = helpFilePath(dir.dir());
    testing::RmgTempDir::write(path, utf8ToCp1251("Справка\r\nстрока 2"));

    ScriptedServices services;
    openHelpText(services, path);
    EXPECT_EQ(services.shellOpened, std::vector<std::string>{path});
    EXPECT_TRUE(services.textWindows.empty());

    services.shellOpenSucceeds = false;
    openHelpText(services, path);
    ASSERT_EQ(services.textWindows.size(), 1u);
    EXPECT_EQ(services.textWindows[0].first, "Readme&help");
    EXPECT_EQ(services.textWindows[0].second, "Справка\r\nстрока 2");

    // A missing file: the desktop's failure is all there is, as before.
    openHelpText(services, helpFilePath(dir.file("absent")));
    EXPECT_EQ(services.textWindows.size(), 1u);
    EXPECT_TRUE(services.fileErrors.empty());
    EXPECT_TRUE(services.messages.empty());
}

} // namespace
} // namespace zw
