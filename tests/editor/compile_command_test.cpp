// The compile command as the toolbar runs it: check, save dialog, the table
// new or existing, the template list window's outcomes, and the file written.
#include "editor/commands/compile_command.h"
#include "editor/editor.h"
#include "model/text.h"
#include "platform/files.h"
#include "rmg/table.h"
#include "rmg/table_encoding.h"
#include "rmg/template_list.h"
#include "support/document_edits.h"
#include "support/failing_files.h"
#include "support/model_samples.h"
#include "support/rmg_rows.h"
#include "support/scratch_dir.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace zw {
namespace {

using test::kTestHeader;
using test::rmgRow;
using test::ScratchDir;
using test::slurp;
using test::spit;

const std::string kHeaderBytes = "Test header\r\nname\tmin\tmax\r\n";

using test::workedExampleRows;

struct CompileFixture : ::testing::Test {
    ScratchDir dir;
    ScriptedServices services;
    ScriptedDialogs dialogs;
    Editor editor{services, dialogs};

    void SetUp() override {
        services.exeDir = dir.path();
        spit(dir.file("header.txt"), kHeaderBytes);
        test::install(editor, test::workedExample("Example"));
    }
    void choose(const std::string& path) { services.saveAnswers.push_back(path); }
    std::string existingTable() const {
        return kTestHeader + rmgRow({{0, "Alpha"}, {1, "4"}, {2, "9"}, {3, "1"}}) +
               rmgRow({{0, "Example"}, {1, "4"}, {2, "9"}, {3, "1"}}) +
               rmgRow({{0, "EXAMPLE"}, {1, "4"}, {2, "9"}, {3, "1"}});
    }
};

TEST_F(CompileFixture, NewTableStartsWithTheHeaderAndHoldsTheWorkedExample) {
    choose(dir.file("rmg"));
    compileCommand(editor);
    EXPECT_EQ(services.saveFilters, std::vector<std::string>{std::string(kRmgFilter)});
    EXPECT_EQ(services.dialogPaths[FileDialogId::SaveRmg], dir.file("rmg.txt"));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(services.fileErrors.empty());
    EXPECT_EQ(dialogs.listCalls, 0);
    EXPECT_EQ(slurp(dir.file("rmg.txt")), kHeaderBytes + workedExampleRows("Example"));
    EXPECT_FALSE(fileExists(dir.file("rmg")));
    // The refresh is stored without a history step.
    EXPECT_EQ(limitsOf(editor.document().rmg().zones[2]), (Limits{1, 2, 2, 2}));
    EXPECT_EQ(editor.document().history().position(), 0);
    EXPECT_FALSE(editor.document().modified());
}

TEST_F(CompileFixture, TheShippedHeaderIsTheStartOfANewTable) {
    services.exeDir = ZW_DATA_DIR;
    choose(dir.file("shipped.TXT"));
    compileCommand(editor);
    const std::string header = slurp(std::string(ZW_DATA_DIR) + "/header.txt");
    ASSERT_FALSE(header.empty());
    const std::string table = slurp(dir.file("shipped.TXT"));
    EXPECT_EQ(table, header + (header.back() == '\n' ? "" : "\r\n") + workedExampleRows("Example"));
    // The header holds no line the splitter takes for a template.
    const auto list = splitTable(table);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "Example");
}

TEST_F(CompileFixture, AFailedCheckStopsBeforeTheDialog) {
    test::change(editor, [](TRmg& t) { t.zones.clear(); });
    choose(dir.file("rmg.txt"));
    compileCommand(editor);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.saveFilters.empty());
    EXPECT_FALSE(fileExists(dir.file("rmg.txt")));
}

TEST_F(CompileFixture, CancelledDialogOrMissingHeaderWritesNothing) {
    const TRmg before = editor.document().rmg();
    compileCommand(editor); // no answer: cancelled
    EXPECT_EQ(services.saveFilters.size(), 1u);
    EXPECT_EQ(editor.document().rmg(), before);

    services.exeDir = dir.file("nowhere");
    choose(dir.file("rmg.txt"));
    compileCommand(editor);
    EXPECT_EQ(services.fileErrors.size(), 1u);
    EXPECT_FALSE(fileExists(dir.file("rmg.txt")));
    EXPECT_EQ(editor.document().rmg(), before);
}

TEST_F(CompileFixture, AnExistingTableWithoutTemplatesGetsTheRowsAppended) {
    // A last line without its end gets one; a table that is empty gets none.
    const std::pair<std::string, std::string> tables[] = {
        {"just text", "just text\r\n"}, {"line\n", "line\n"}, {"", ""}};
    for (const auto& [before, kept] : tables) {
        spit(dir.file("rmg.txt"), before);
        choose(dir.file("rmg.txt"));
        compileCommand(editor);
        EXPECT_EQ(slurp(dir.file("rmg.txt")), kept + workedExampleRows("Example")) << before;
    }
    EXPECT_EQ(dialogs.listCalls, 0);
}

TEST_F(CompileFixture, ProceedReplacesTheFirstTemplateOfTheTypedName) {
    const std::string table = existingTable();
    spit(dir.file("rmg.txt"), table);
    std::string shownName;
    ListMode shownMode = ListMode::Import;
    dialogs.listAnswers.push_back([&](TemplateListSession& s) {
        shownName = s.nameField;
        shownMode = s.mode();
        s.nameField = "example"; // typed
        return *s.addTemplate();
    });
    choose(dir.file("rmg.txt"));
    compileCommand(editor);
    EXPECT_EQ(shownName, "Example");
    EXPECT_EQ(shownMode, ListMode::Adding);
    const auto list = splitTable(table);
    const std::string expected = withoutTemplate(table, list[1]) +
                                 workedExampleRows("example"); // the field's text is the name
    EXPECT_EQ(slurp(dir.file("rmg.txt")), expected);
    EXPECT_EQ(editor.document().rmg().name, "Example");
}

TEST_F(CompileFixture, SaveEditedWritesOnlyTheDeletions) {
    const std::string table = existingTable();
    spit(dir.file("rmg.txt"), table);
    services.messageAnswers = {MessageResult::Yes};
    dialogs.listAnswers.push_back([](TemplateListSession& s) {
        s.click(0);
        s.deleteSelected();
        return s.cancel();
    });
    const TRmg before = editor.document().rmg();
    choose(dir.file("rmg.txt"));
    compileCommand(editor);
    EXPECT_EQ(slurp(dir.file("rmg.txt")), withoutTemplate(table, splitTable(table)[0]));
    EXPECT_EQ(editor.document().rmg(), before); // not refreshed: the template was not added
}

TEST_F(CompileFixture, AbandonOrACloseWithoutOutcomeLeavesTheFile) {
    const std::string table = existingTable();
    spit(dir.file("rmg.txt"), table);
    // Abandoned (the question answered No), then closed by other means.
    for (const bool abandon : {true, false}) {
        dialogs.listAnswers.push_back([abandon](TemplateListSession& s) {
            s.click(0);
            s.deleteSelected();
            return abandon ? s.cancel() : static_cast<ListOutcome>(0);
        });
        choose(dir.file("rmg.txt"));
        compileCommand(editor);
        EXPECT_EQ(slurp(dir.file("rmg.txt")), table) << abandon;
    }
    EXPECT_EQ(dialogs.listCalls, 2);
}

TEST_F(CompileFixture, NamesTheTableCannotHoldAreRefused) {
    test::change(editor, [](TRmg& t) { t.name = std::string(65, 'n'); });
    const TRmg before = editor.document().rmg();
    choose(dir.file("new.txt"));
    compileCommand(editor);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
    EXPECT_FALSE(fileExists(dir.file("new.txt")));
    EXPECT_EQ(editor.document().rmg(), before);

    // A window that lets a bad name through is caught by the compile itself.
    const std::string table = existingTable();
    spit(dir.file("rmg.txt"), table);
    services.messages.clear();
    dialogs.listAnswers.push_back([](TemplateListSession& s) {
        s.click(0);
        s.deleteSelected();
        s.nameField = "Two\tcells";
        return ListOutcome::Proceed;
    });
    choose(dir.file("rmg.txt"));
    compileCommand(editor);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(slurp(dir.file("rmg.txt")), table);
}

TEST_F(CompileFixture, FailuresToWriteOrReadLeaveTheTable) {
    const std::string table = existingTable();
    spit(dir.file("rmg.txt"), table);
    dialogs.listAnswers.push_back([](TemplateListSession& s) { return *s.addTemplate(); });
    test::FailingFileSystem failing(WriteStep::Write);
    services.files = &failing;
    choose(dir.file("rmg.txt"));
    compileCommand(editor);
    services.files = nullptr;
    EXPECT_EQ(services.fileErrors.size(), 1u);
    EXPECT_EQ(slurp(dir.file("rmg.txt")), table);

    // A folder where the table should be cannot be replaced.
    std::filesystem::create_directory(dir.file("folder.txt"));
    choose(dir.file("folder.txt"));
    compileCommand(editor);
    EXPECT_EQ(services.fileErrors.size(), 2u);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.txt")));

#ifdef _WIN32
    const bool permissionsBind = false; // read-only files: tests/platform/files_test.cpp
#else
    const bool permissionsBind = ::geteuid() != 0; // they do not bind the superuser
#endif
    if (permissionsBind) {
        spit(dir.file("locked.txt"), table);
        std::filesystem::permissions(dir.file("locked.txt"), std::filesystem::perms::none);
        choose(dir.file("locked.txt"));
        compileCommand(editor);
        EXPECT_EQ(services.fileErrors.size(), 3u);
        std::filesystem::permissions(dir.file("locked.txt"), std::filesystem::perms::owner_all);
        EXPECT_EQ(slurp(dir.file("locked.txt")), table);
    }
}

// A table (or the header of a new one) saved as UTF-8 is asked about before
// anything else: Yes writes all of it in Windows-1251 with the template; No
// writes nothing.
TEST_F(CompileFixture, AUtf8TableIsWrittenInWindows1251AfterAsking) {
    const std::string table =
        existingTable() + rmgRow({{0, utf8ToCp1251("Кольцо")}, {1, "4"}, {2, "9"}, {3, "1"}});
    const std::string header = utf8ToCp1251("Заголовок\r\n");
    struct Case {
        const char* what;
        std::string file; // the table chosen, or header.txt for a new one
        std::string cp1251;
        MessageResult answer;
        std::string written; // nothing when empty
    };
    const Case cases[] = {
        {"table, Yes", "rmg.txt", table, MessageResult::Yes,
         withoutTemplate(table, splitTable(table)[1]) + workedExampleRows("Example")},
        {"table, No", "rmg.txt", table, MessageResult::No, ""},
        {"header, Yes", "header.txt", header, MessageResult::Yes,
         header + workedExampleRows("Example")},
        {"header, No", "header.txt", header, MessageResult::No, ""},
    };
    for (const Case& c : cases) {
        const std::string utf8 = "\xEF\xBB\xBF" + cp1251ToUtf8(c.cp1251);
        spit(dir.file(c.file), utf8);
        services.messages.clear();
        services.messageAnswers = {c.answer};
        dialogs.listAnswers = {[](TemplateListSession& s) { return *s.addTemplate(); }};
        dialogs.listCalls = 0;
        const bool existing = c.file == "rmg.txt";
        const std::string target = dir.file(existing ? "rmg.txt" : "new.txt");
        choose(target);
        compileCommand(editor);
        ASSERT_EQ(services.messages.size(), 1u) << c.what;
        EXPECT_EQ(services.messages[0].text, kUtf8TableQuestion) << c.what;
        EXPECT_EQ(services.messages[0].kind, MessageKind::Confirmation) << c.what;
        EXPECT_EQ(dialogs.listCalls, existing && !c.written.empty() ? 1 : 0) << c.what;
        if (!c.written.empty())
            EXPECT_EQ(slurp(target), c.written) << c.what;
        else if (existing)
            EXPECT_EQ(slurp(target), utf8) << c.what;
        else
            EXPECT_FALSE(fileExists(target)) << c.what;
        std::filesystem::remove(dir.file("new.txt"));
    }
}

} // namespace
} // namespace zw
