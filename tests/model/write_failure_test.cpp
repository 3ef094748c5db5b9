// Failures while writing or reading files reach the user through the editor's
// commands: the target keeps its bytes, the user is told the system's reason,
// and the open template, history and view stay as they were. Every failing
// step of the one file-writing helper is tested with the helper itself
// (tests/platform/files_test.cpp); here one write that fails half-way stands
// for them all.
#include "editor/commands/compile_command.h"
#include "editor/commands/import_command.h"
#include "editor/commands/load_project.h"
#include "editor/commands/save_project.h"
#include "editor/editor.h"
#include "editor/session.h"
#include "model/project_file.h"
#include "platform/files.h"
#include "rmg/template_list.h"
#include "support/document_edits.h"
#include "support/failing_files.h"
#include "support/group_samples.h"
#include "support/scratch_dir.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/win32_text.h"
#endif

namespace zw {
namespace {

using test::ScratchDir;
using test::slurp;
using test::spit;

class WriteFailures : public ::testing::Test {
  protected:
    WriteFailures() : editor(services, dialogs) {
        services.exeDir = dir.path();
        spit(dir.file("header.txt"), "Header\r\n");
        // Two players with their start zones, a change in the history, a moved view.
        TRmg t = test::templateOf({test::zoneAt(4, 0, 1, 0), test::zoneAt(8, 0, 2, 0)}, {{0, 1}});
        for (ZoneRecord& z : t.zones)
            z.townMode = 1;
        test::install(editor, t);
        test::change(editor, [](TRmg& changed) { changed.name = "Changed"; });
        editor.viewController().zoomIn();
        editor.viewController().keyChar(U'd');
        shownView = editor.viewController().state();
    }
    // Every write fails once 40 bytes of it are written.
    void failWrites() { services.files = &failing; }

    void expectNothingChanged(const TRmg& before) {
        EXPECT_EQ(editor.document().rmg(), before);
        EXPECT_EQ(editor.document().history().position(), 1);
        EXPECT_EQ(editor.document().history().length(), 1u);
        EXPECT_EQ(editor.viewController().state(), shownView);
    }

    ScratchDir dir;
    ViewState shownView;
    test::FailingFileSystem failing{WriteStep::Write, 40};
    ScriptedServices services;
    ScriptedDialogs dialogs;
    Editor editor;
    Session session{editor};
};

TEST_F(WriteFailures, SavingAProject) {
    const std::string path = dir.file("work.tpz");
    spit(path, "the old project");
    const TRmg before = editor.document().rmg();
    failWrites();
    services.saveAnswers.push_back(path);
    services.messageAnswers.push_back(MessageResult::Yes); // replace the existing file
    saveProject(session);
    EXPECT_EQ(slurp(path), "the old project");
    expectNothingChanged(before);
    ASSERT_EQ(services.fileErrors.size(), 1u);
    EXPECT_NE(services.fileErrors[0].find(path), std::string::npos) << services.fileErrors[0];
    EXPECT_EQ(dir.listing(), "header.txt\nwork.tpz\n"); // nothing else left behind
}

TEST_F(WriteFailures, WritingANewOrAnExistingTable) {
    const std::string existing = dir.file("rmg.txt");
    const std::string table = "Header\r\nOther\t4\t9\t1\r\n";
    spit(existing, table);
    const std::string fresh = dir.file("new.txt");
    const TRmg before = editor.document().rmg();
    failWrites();
    services.saveAnswers.push_back(existing);
    dialogs.listAnswers.push_back([](TemplateListSession& s) { return *s.addTemplate(); });
    compileCommand(editor);
    EXPECT_EQ(slurp(existing), table);
    services.saveAnswers.push_back(fresh);
    compileCommand(editor);
    EXPECT_FALSE(fileExists(fresh));
    // The derived conditions are stored only with a table that was written.
    expectNothingChanged(before);
    EXPECT_EQ(services.fileErrors.size(), 2u);
    EXPECT_TRUE(services.messages.empty());

    // Once writing works again, the same compile stores its refresh.
    services.files = nullptr;
    services.saveAnswers.push_back(fresh);
    compileCommand(editor);
    EXPECT_TRUE(fileExists(fresh));
    EXPECT_EQ(editor.document().rmg().zones[0].maxPlayers, 2);
    EXPECT_EQ(editor.document().history().position(), 1);
}

TEST_F(WriteFailures, AFileThatVanishesAfterTheDialogChangesNothing) {
    const TRmg before = editor.document().rmg();
    const std::string gone = dir.file("gone.tpz");
    // A folder where a file was expected cannot be read either.
    std::filesystem::create_directory(dir.file("folder.tpz"));
    const std::pair<std::string, void (*)(Session&)> opens[] = {
        {gone, loadProject},
        {dir.file("gone.txt"), importCommand},
        {dir.file("folder.tpz"), loadProject}};
    for (const auto& [path, open] : opens) {
        SCOPED_TRACE(path);
        services.openAnswers.push_back(path);
        services.messageAnswers.push_back(MessageResult::No); // keep the unsaved changes unsaved
        open(session);
        ASSERT_EQ(services.fileErrors.size(), 1u);
        EXPECT_NE(services.fileErrors[0].find(path), std::string::npos) << services.fileErrors[0];
        services.fileErrors.clear();
        expectNothingChanged(before);
    }
}

#ifdef _WIN32
// A table another program holds open without sharing it for writing (a
// spreadsheet): the user is told why, nothing is written, and the template, its
// history and view stay as they were.
TEST_F(WriteFailures, ATableHeldOpenByAnotherProgramIsRefused) {
    const std::string table = "Header\r\nOther\t4\t9\t1\r\n";
    const std::string path = dir.file("rmg.txt");
    spit(path, table);
    HANDLE held = CreateFileW(toUtf16(path)->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const TRmg before = editor.document().rmg();
    services.saveAnswers.push_back(path);
    dialogs.listAnswers.push_back([](TemplateListSession& s) { return *s.addTemplate(); });
    compileCommand(editor);
    CloseHandle(held);
    ASSERT_EQ(services.fileErrors.size(), 1u);
    EXPECT_EQ(services.fileErrors[0], "файл занят другой программой: " + path);
    EXPECT_EQ(slurp(path), table);
    expectNothingChanged(before);
}
#endif

} // namespace
} // namespace zw
