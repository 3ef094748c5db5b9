// The compile command as the toolbar runs it: check, save dialog, the table
// new or existing, the template list window's outcomes, and the file written.
#include "editor/editor.h"
#include "model/text.h"
#include "platform/files.h"
#include "rmg/table.h"
#include "rmg/template_list.h"
#include "support/failing_files.h"
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

ZoneRecord startZone(int owner) {
    ZoneRecord z = makeDefaultZone();
    z.kind = 0;
    z.owner = owner;
    z.townMode = 2;
    return z;
}

// The template of the worked example: two start zones, a treasure zone, two
// connections to it.
TRmg exampleTemplate(std::string name) {
    TRmg t = makeNewTemplate();
    t.name = std::move(name);
    t.appendZone(startZone(1));
    t.appendZone(startZone(2));
    t.appendZone(makeDefaultZone());
    ConnectionRecord c = makeDefaultConnection();
    c.zoneA = 0;
    c.zoneB = 2;
    t.appendConnection(c);
    c.zoneA = 1;
    c.passages[0].kind = 2;
    t.appendConnection(c);
    return t;
}

// The rows the worked example must give, written out cell by cell.
std::string exampleRows(const std::string& name) {
    test::RmgCells zone;
    zone[8] = "14";
    zone[9] = "1";
    zone[10] = zone[11] = zone[12] = "2";
    for (int k = 23; k <= 31; ++k)
        zone[static_cast<size_t>(k)] = "x";
    for (int k = 47; k <= 54; ++k)
        zone[static_cast<size_t>(k)] = "x";
    zone[55] = "avg";
    for (int k = 57; k <= 66; ++k)
        zone[static_cast<size_t>(k)] = "x";
    const char* treasure[] = {"10000", "15000", "1", "3000", "6000", "6", "500", "3000", "9"};
    for (int k = 0; k < 9; ++k)
        zone[67 + static_cast<size_t>(k)] = treasure[k];
    auto r0 = zone, r1 = zone, r2 = zone;
    r0[0] = name;
    r0[1] = "4";
    r0[2] = "9";
    r0[3] = "1";
    r0[4] = "x";
    r0[13] = "1";
    r0[15] = "1";
    r0[76] = "1";
    r0[77] = "3";
    r0[78] = "6000";
    r1[3] = "2";
    r1[4] = "x";
    r1[13] = "2";
    r1[15] = "1";
    r1[76] = "2";
    r1[77] = "3";
    r1[80] = "x";
    for (auto* r : {&r0, &r1}) {
        (*r)[81] = "1";
        (*r)[82] = (*r)[83] = (*r)[84] = "2";
    }
    r2[3] = "3";
    r2[6] = "x";
    return test::joinRmgRow(r0) + test::joinRmgRow(r1) + test::joinRmgRow(r2);
}

struct CompileFixture : ::testing::Test {
    ScratchDir dir;
    ScriptedServices services;
    ScriptedDialogs dialogs;
    Editor editor{services, dialogs};

    void SetUp() override {
        services.exeDir = dir.path();
        spit(dir.file("header.txt"), kHeaderBytes);
        editor.rmgMutable() = exampleTemplate("Example");
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
    editor.compile();
    EXPECT_EQ(services.saveFilters, std::vector<std::string>{std::string(kRmgFilter)});
    EXPECT_EQ(services.dialogPaths[FileDialogId::SaveRmg], dir.file("rmg.txt"));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(services.fileErrors.empty());
    EXPECT_EQ(dialogs.listCalls, 0);
    EXPECT_EQ(slurp(dir.file("rmg.txt")), kHeaderBytes + exampleRows("Example"));
    EXPECT_FALSE(fileExists(dir.file("rmg")));
    // The refresh is stored without a history step.
    EXPECT_EQ(limitsOf(editor.rmg().zones[2]), (Limits{1, 2, 2, 2}));
    EXPECT_EQ(editor.history().position(), 0);
    EXPECT_FALSE(editor.modified());
}

TEST_F(CompileFixture, TheShippedHeaderIsTheStartOfANewTable) {
    services.exeDir = ZW_DATA_DIR;
    choose(dir.file("shipped.TXT"));
    editor.compile();
    const std::string header = slurp(std::string(ZW_DATA_DIR) + "/header.txt");
    ASSERT_FALSE(header.empty());
    const std::string table = slurp(dir.file("shipped.TXT"));
    EXPECT_EQ(table, header + (header.back() == '\n' ? "" : "\r\n") + exampleRows("Example"));
    // The header holds no line the splitter takes for a template.
    const auto list = splitTable(table);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "Example");
}

TEST_F(CompileFixture, AFailedCheckStopsBeforeTheDialog) {
    editor.rmgMutable().zones.clear();
    choose(dir.file("rmg.txt"));
    editor.compile();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.saveFilters.empty());
    EXPECT_FALSE(fileExists(dir.file("rmg.txt")));
}

TEST_F(CompileFixture, CancelledDialogOrMissingHeaderWritesNothing) {
    const TRmg before = editor.rmg();
    editor.compile(); // no answer: cancelled
    EXPECT_EQ(services.saveFilters.size(), 1u);
    EXPECT_EQ(editor.rmg(), before);

    services.exeDir = dir.file("nowhere");
    choose(dir.file("rmg.txt"));
    editor.compile();
    EXPECT_EQ(services.fileErrors.size(), 1u);
    EXPECT_FALSE(fileExists(dir.file("rmg.txt")));
    EXPECT_EQ(editor.rmg(), before);
}

TEST_F(CompileFixture, AnExistingTableWithoutTemplatesGetsTheRowsAppended) {
    spit(dir.file("rmg.txt"), "just text");
    choose(dir.file("rmg.txt"));
    editor.compile();
    EXPECT_EQ(dialogs.listCalls, 0);
    EXPECT_EQ(slurp(dir.file("rmg.txt")), "just text\r\n" + exampleRows("Example"));

    spit(dir.file("lf.txt"), "line\n");
    choose(dir.file("lf.txt"));
    editor.compile();
    EXPECT_EQ(slurp(dir.file("lf.txt")), "line\n" + exampleRows("Example"));

    spit(dir.file("empty.txt"), "");
    choose(dir.file("empty.txt"));
    editor.compile();
    EXPECT_EQ(slurp(dir.file("empty.txt")), exampleRows("Example"));
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
    editor.compile();
    EXPECT_EQ(shownName, "Example");
    EXPECT_EQ(shownMode, ListMode::Adding);
    const auto list = splitTable(table);
    const std::string expected =
        withoutTemplate(table, list[1]) + exampleRows("example"); // the field's text is the name
    EXPECT_EQ(slurp(dir.file("rmg.txt")), expected);
    EXPECT_EQ(editor.rmg().name, "Example");
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
    const TRmg before = editor.rmg();
    choose(dir.file("rmg.txt"));
    editor.compile();
    EXPECT_EQ(slurp(dir.file("rmg.txt")), withoutTemplate(table, splitTable(table)[0]));
    EXPECT_EQ(editor.rmg(), before); // not refreshed: the template was not added
}

TEST_F(CompileFixture, AbandonOrACloseWithoutOutcomeLeavesTheFile) {
    const std::string table = existingTable();
    spit(dir.file("rmg.txt"), table);
    dialogs.listAnswers.push_back([](TemplateListSession& s) {
        s.click(0);
        s.deleteSelected();
        return s.cancel(); // the question is answered No
    });
    dialogs.listAnswers.push_back([](TemplateListSession& s) {
        s.click(0);
        s.deleteSelected();
        return static_cast<ListOutcome>(0); // closed by other means
    });
    for (int run = 0; run < 2; ++run) {
        choose(dir.file("rmg.txt"));
        editor.compile();
        EXPECT_EQ(slurp(dir.file("rmg.txt")), table) << run;
    }
    EXPECT_EQ(dialogs.listCalls, 2);
}

TEST_F(CompileFixture, NamesTheTableCannotHoldAreRefused) {
    for (const std::string& bad : {std::string(65, 'n'), std::string("Tab\there"),
                                   std::string("Line\nend"), std::string("Cr\r")}) {
        services.messages.clear();
        editor.rmgMutable().name = bad;
        const TRmg before = editor.rmg();
        choose(dir.file("new.txt"));
        editor.compile();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
        EXPECT_FALSE(fileExists(dir.file("new.txt")));
        EXPECT_EQ(editor.rmg(), before);
    }

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
    editor.compile();
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
    editor.compile();
    services.files = nullptr;
    EXPECT_EQ(services.fileErrors.size(), 1u);
    EXPECT_EQ(slurp(dir.file("rmg.txt")), table);

    // A folder where the table should be cannot be replaced.
    std::filesystem::create_directory(dir.file("folder.txt"));
    choose(dir.file("folder.txt"));
    editor.compile();
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
        editor.compile();
        EXPECT_EQ(services.fileErrors.size(), 3u);
        std::filesystem::permissions(dir.file("locked.txt"), std::filesystem::perms::owner_all);
        EXPECT_EQ(slurp(dir.file("locked.txt")), table);
    }
}

} // namespace
} // namespace zw
