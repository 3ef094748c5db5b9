#include "editor/commands/readme_command.h"
#include "editor/editor.h"
#include "model/text.h"
#include "support/scratch_dir.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(HelpCommand, PathLiesInTheFolderOfTheExecutable) {
    ScriptedServices services;
    for (const char* dir : {"/usr/local/bin", "/usr/local/bin/"}) {
        services.exeDir = dir;
        EXPECT_EQ(besideExecutable(services, kHelpFileName), "/usr/local/bin/Readme&help.txt");
    }
    services.exeDir = "C:\\zw\\";
    EXPECT_EQ(besideExecutable(services, kHelpFileName), "C:\\zw\\Readme&help.txt");
}

TEST(HelpCommand, ShownInTheEditorOnlyWhenTheDesktopCannotOpenIt) {
    test::ScratchDir dir;
    ScriptedServices services;
    ScriptedDialogs dialogs;
    Editor editor(services, dialogs);
    services.exeDir = dir.path();
    const std::string path = besideExecutable(services, kHelpFileName);
    test::spit(path, utf8ToCp1251("Справка\r\nстрока 2"));

    openReadme(editor);
    EXPECT_EQ(services.shellOpened, std::vector<std::string>{path});
    EXPECT_TRUE(services.textWindows.empty());

    services.shellOpenSucceeds = false;
    openReadme(editor);
    ASSERT_EQ(services.textWindows.size(), 1u);
    EXPECT_EQ(services.textWindows[0].first, "Readme&help");
    EXPECT_EQ(services.textWindows[0].second, "Справка\r\nстрока 2");

    // A missing file: the desktop's failure is all there is, as before.
    services.exeDir = dir.file("absent");
    openReadme(editor);
    EXPECT_EQ(services.textWindows.size(), 1u);
    EXPECT_TRUE(services.fileErrors.empty());
    EXPECT_TRUE(services.messages.empty());
}

} // namespace
} // namespace zw
