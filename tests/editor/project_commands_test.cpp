// The save and load commands of the editor, answered by scripted services.
#include "editor/commands/load_project.h"
#include "editor/commands/new_template.h"
#include "editor/commands/pattern_command.h"
#include "editor/commands/save_project.h"
#include "editor/commands/start_up.h"
#include "editor/commands/view_commands.h"
#include "model/project_file.h"
#include "pattern/generate.h"
#include "platform/files.h"
#include "support/document_edits.h"
#include "support/editor_fixtures.h"
#include "support/failing_files.h"
#include "support/group_samples.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <tuple>

namespace zw {
namespace {

using test::richTemplate;
using test::ScratchDir;
using test::slurp;
using test::spit;

// Everything a refused load must leave as it was.
struct EditorState {
    TRmg rmg;
    std::vector<TRmg> snapshots;
    int position = 0;
    bool canBack = false;
    bool canForward = false;
    ViewState view;
    std::string caption;
    ScrollBarState hBar, vBar;

    explicit EditorState(const Editor& e)
        : rmg(e.document().rmg()), snapshots(e.document().history().snapshots()),
          position(e.document().history().position()), canBack(e.document().canStepBack()),
          canForward(e.document().canStepForward()), view(e.viewController().state()),
          caption(e.document().caption()), hBar(e.viewController().hBar()),
          vBar(e.viewController().vBar()) {}
    bool operator==(const EditorState&) const = default;
};

class ProjectCommands : public ::testing::Test {
  protected:
    ProjectCommands() { editor.setView(&view); }

    // Loaded afresh: no step either way, nothing to save.
    void expectFreshHistory() const {
        EXPECT_EQ(editor.document().history().position(), 0);
        EXPECT_EQ(editor.document().history().length(), 0u);
        EXPECT_FALSE(editor.document().canStepBack());
        EXPECT_FALSE(editor.document().canStepForward());
        EXPECT_FALSE(editor.document().modified());
    }
    // A change as a tool makes it: one history step.
    void change(const std::string& name) {
        test::change(editor, [&](TRmg& t) { t.name = name; });
    }

    // Loads `t` through the open dialog, as the user would, and checks it arrived.
    void loadTemplate(const TRmg& t) {
        const std::string path = dir.file("given.tpz");
        spit(path, encodeProject(t));
        services.openAnswers.push_back(path);
        loadProject(session);
        ASSERT_EQ(editor.document().rmg(), t);
    }

    ScratchDir dir;
    ScriptedServices services;
    ScriptedDialogs dialogs;
    test::CountingView view;
    Editor editor{services, dialogs};
    Session session{editor};
};

// ---- Save ----

TEST_F(ProjectCommands, SaveWritesTheFileAndMarksTheTemplateSaved) {
    change("Changed");
    editor.setTool(kMoveTool);
    const EditorState before(editor);
    const int captions = view.captions;
    services.saveAnswers.push_back(dir.file("plan"));
    EXPECT_TRUE(saveProject(session));

    EXPECT_EQ(editor.tool(), kNoTool);
    ASSERT_EQ(services.saveFilters.size(), 1u);
    EXPECT_EQ(services.saveFilters[0], kSaveProjectFilter);
    EXPECT_EQ(dir.listing(), "plan.tpz\n");
    EXPECT_EQ(slurp(dir.file("plan.tpz")), encodeProject(editor.document().rmg()));
    EXPECT_EQ(EditorState(editor), before); // the history stays, position included
    // The position is now the saved one (what that means for steps is the
    // document's test): the caption loses its mark.
    EXPECT_FALSE(editor.document().modified());
    EXPECT_EQ(view.captions, captions + 1);
    editor.document().stepBack();
    EXPECT_TRUE(editor.document().modified());
    EXPECT_TRUE(services.fileErrors.empty());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ProjectCommands, SaveKeepsATpzExtensionInAnyCaseAndAddsItOtherwise) {
    services.saveAnswers = {dir.file("Template.TPZ"), dir.file("map.txt"), dir.file("Template")};
    saveProject(session);
    saveProject(session);
    saveProject(session);
#ifdef _WIN32
    // Names that differ only in case are one file there.
    std::string names = dir.listing();
    std::transform(names.begin(), names.end(), names.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(names, "template.tpz\nmap.txt.tpz\n");
#else
    EXPECT_EQ(dir.listing(), "Template.TPZ\nTemplate.tpz\nmap.txt.tpz\n");
#endif
}

// The project's own file (the one last loaded or saved here) is replaced
// without a question; any other existing file only after "Да", and "Нет" goes
// back to the dialog with the name given.
TEST_F(ProjectCommands, SaveAsksBeforeReplacingAFileOtherThanTheProjectsOwn) {
    enum class Before { Nothing, LoadedIt, SavedIt, SavedItThenNew, LoadedAnother };
    using enum Before;
    constexpr MessageResult Yes = MessageResult::Yes, No = MessageResult::No;
    struct Case {
        const char* label;
        Before before;
        bool exists;
        std::deque<MessageResult> answers;
        bool asked, replaced;
    } cases[] = {
        {"a new file", Nothing, false, {}, false, true},
        {"another file, Да", Nothing, true, {Yes}, true, true},
        {"another file, Нет", Nothing, true, {No}, true, false},
        {"the loaded project", LoadedIt, true, {}, false, true},
        {"the saved project", SavedIt, true, {}, false, true},
        {"the saved project after New", SavedItThenNew, true, {No}, true, false},
        {"beside the loaded project", LoadedAnother, true, {No}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const ScratchDir folder;
        const std::string target = folder.file("Кольцо.tpz");
        const std::string other = folder.file("другой.tpz");
        spit(other, encodeProject(makeNewTemplate()));
        ScriptedServices answers;
        Editor e{answers, dialogs};
        Session es{e};
        const bool saved = c.before == SavedIt || c.before == SavedItThenNew;
        if (c.before == LoadedIt || c.exists)
            spit(target, encodeProject(makeNewTemplate()));
        if (c.before == LoadedIt || c.before == LoadedAnother) {
            answers.openAnswers = {c.before == LoadedIt ? target : other};
            loadProject(es);
        }
        if (saved) {
            answers.saveAnswers = {target};
            answers.messageAnswers = {Yes};
            ASSERT_TRUE(saveProject(es));
            if (c.before == SavedItThenNew)
                newTemplate(es);
        }
        answers.messages.clear();
        test::change(e, [](TRmg& t) { t.name = "Новое"; });
        answers.saveAnswers = {target};
        answers.messageAnswers = c.answers;
        EXPECT_EQ(saveProject(es), c.replaced);
        EXPECT_EQ(answers.messageTexts(),
                  c.asked ? std::vector<std::string>{replaceFileQuestion(target)}
                          : std::vector<std::string>{});
        EXPECT_EQ(slurp(target) == encodeProject(e.document().rmg()), c.replaced);
        // "Нет" showed the dialog again with the name given (here cancelled).
        EXPECT_EQ(answers.saveFilters.size(), (saved ? 1u : 0u) + (c.replaced ? 1u : 2u));
        EXPECT_EQ(answers.dialogPaths[FileDialogId::SaveProject], target);
    }
}

// After a load, or a save that added the extension, the save dialog proposes
// the project's own path and the open dialog starts in its folder.
TEST_F(ProjectCommands, TheDialogsProposeTheProjectsOwnPath) {
    const std::string loaded = dir.file("Мои проекты.tpz");
    spit(loaded, encodeProject(makeNewTemplate()));
    services.openAnswers = {loaded};
    loadProject(session);
    EXPECT_EQ(services.dialogPaths[FileDialogId::SaveProject], loaded);
    services.saveAnswers = {dir.file("Кольцо")};
    ASSERT_TRUE(saveProject(session));
    EXPECT_EQ(services.dialogPaths[FileDialogId::SaveProject], dir.file("Кольцо.tpz"));
    EXPECT_EQ(services.dialogPaths[FileDialogId::OpenProject], dir.file("Кольцо.tpz"));
    EXPECT_EQ(session.projectFile(), dir.file("Кольцо.tpz"));
}

TEST_F(ProjectCommands, CancelledSaveDialogWritesNothing) {
    editor.setTool(kCopyTool);
    saveProject(session);
    EXPECT_EQ(editor.tool(), kNoTool);
    EXPECT_EQ(services.saveFilters.size(), 1u);
    EXPECT_EQ(dir.listing(), "");
}

TEST_F(ProjectCommands, FailedWriteIsReportedAndKeepsTheOldFile) {
    const std::string path = dir.file("keep.tpz");
    spit(path, "previous project bytes");
    for (const WriteStep failing :
         {WriteStep::Open, WriteStep::Write, WriteStep::Flush, WriteStep::Rename}) {
        test::FailingFileSystem files(failing);
        services.files = &files;
        services.saveAnswers.push_back(path);
        services.messageAnswers.push_back(MessageResult::Yes); // replace it
        saveProject(session);
        services.files = nullptr;
        EXPECT_EQ(slurp(path), "previous project bytes");
        EXPECT_EQ(dir.listing(), "keep.tpz\n");
    }
    ASSERT_EQ(services.fileErrors.size(), 4u);
    EXPECT_NE(services.fileErrors[0].find(path), std::string::npos);
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>(4, replaceFileQuestion(path)));
}

TEST_F(ProjectCommands, SaveIntoAMissingFolderIsReported) {
    services.saveAnswers.push_back(dir.file("no/such/folder/x.tpz"));
    saveProject(session);
    EXPECT_EQ(services.fileErrors.size(), 1u);
}

// ---- Load ----

TEST_F(ProjectCommands, LoadReplacesTheTemplateAndResetsHistoryAndOrigin) {
    change("Before");
    change("Before 2");
    editor.document().stepBack();
    editor.viewController().setZoomLevel(4);
    editor.viewController().setOrigin(3, -5);
    editor.setTool(kDeleteTool);
    const std::string path = dir.file("rich.tpz");
    spit(path, encodeProject(richTemplate()));
    services.messageAnswers.push_back(MessageResult::No);
    services.openAnswers.push_back(path);
    const int captions = view.captions;
    loadProject(session);

    test::expectOneMessage(services, test::kSaveChangesText, MessageKind::Confirmation,
                           MessageButtons::YesNoCancel);
    EXPECT_TRUE(services.saveFilters.empty());
    EXPECT_EQ(services.openFilters, std::vector<std::string>{std::string(kOpenProjectFilter)});

    EXPECT_EQ(editor.document().rmg(), richTemplate());
    EXPECT_EQ(editor.tool(), kNoTool);
    const ViewState& v = editor.viewController().state();
    EXPECT_EQ(std::tie(v.zoomLevel, v.originX, v.originY), std::make_tuple(4, 0, 0));
    expectFreshHistory();
    EXPECT_EQ(editor.document().caption(), "Редактор шаблонов - Rich");
    EXPECT_GT(view.captions, captions);
    // The scroll bars cover the loaded zones (grid x from -5 to 3, y from -100000 to 100000).
    EXPECT_EQ(editor.viewController().hBar().min, -5);
    EXPECT_EQ(editor.viewController().hBar().max, 3);
    EXPECT_EQ(editor.viewController().vBar().min, -100000);
    EXPECT_EQ(editor.viewController().vBar().max, 100000);
    // Nothing to ask the next time.
    services.openAnswers.push_back(path);
    loadProject(session);
    EXPECT_EQ(services.messages.size(), 1u);
}

// Zones beyond the reach of the tools and of a paste, as a file may hold
// them, still load, and zoom to fit shows them.
TEST_F(ProjectCommands, ZonesAtTheEndsOfTheGridLoadAndZoomToFitShowsThem) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const TRmg far = test::templateOf({test::zoneAt(kMax, kMax - 4), test::zoneAt(kMax - 4, kMax)});
    loadTemplate(far);
    zoomToFit(editor);
    const ViewController& v = editor.viewController();
    for (const ZoneRecord& z : far.zones) {
        const PixelPoint p = nodeToPixel(v.state(), z.gridX, z.gridY);
        EXPECT_TRUE(p.x > 0 && p.y > 0 && p.x < v.canvasWidth() && p.y < v.canvasHeight())
            << p.x << "," << p.y;
    }
}

TEST_F(ProjectCommands, CancelAtThePromptOrInTheDialogStopsTheLoad) {
    change("Mine");
    const EditorState before(editor);
    services.messageAnswers = {MessageResult::Cancel, MessageResult::No};
    services.openAnswers = {dir.file("never.tpz")};
    loadProject(session); // Cancel: no dialog at all
    EXPECT_TRUE(services.openFilters.empty());
    EXPECT_TRUE(services.saveFilters.empty());
    services.openAnswers = {std::nullopt};
    loadProject(session); // No, then the open dialog cancelled
    EXPECT_EQ(services.openFilters.size(), 1u);
    EXPECT_EQ(EditorState(editor), before);
    EXPECT_TRUE(services.fileErrors.empty());
}

TEST_F(ProjectCommands, YesSavesFirstAndStopsWhenTheSaveDidNotHappen) {
    const std::string given = dir.file("given.tpz");
    spit(given, encodeProject(richTemplate()));

    change("Mine");
    services.messageAnswers.push_back(MessageResult::Yes);
    services.saveAnswers.push_back(dir.file("mine"));
    services.openAnswers.push_back(given);
    loadProject(session);
    TRmg mine = makeNewTemplate();
    mine.name = "Mine";
    EXPECT_EQ(slurp(dir.file("mine.tpz")), encodeProject(mine));
    EXPECT_EQ(editor.document().rmg(), richTemplate());

    change("Again");
    const TRmg again = editor.document().rmg();
    services.messageAnswers.push_back(MessageResult::Yes);
    services.saveAnswers.push_back(std::nullopt); // save dialog cancelled
    services.openAnswers.push_back(given);
    loadProject(session);
    EXPECT_EQ(services.saveFilters.size(), 2u);
    EXPECT_EQ(services.openFilters.size(), 1u); // the load stopped before its dialog
    EXPECT_EQ(editor.document().rmg(), again);
    EXPECT_TRUE(editor.document().modified());
}

TEST_F(ProjectCommands, PendingCommandLinePathIsUsedOnceWithoutADialog) {
    const std::string path = dir.file("start.tpz");
    spit(path, encodeProject(richTemplate()));
    session.setPendingLoadPath(path);
    loadProject(session);
    EXPECT_TRUE(services.openFilters.empty());
    EXPECT_EQ(editor.document().rmg(), richTemplate());

    // Forgotten afterwards: the next load asks again (and is cancelled here).
    loadProject(session);
    EXPECT_EQ(services.openFilters.size(), 1u);

    // Also forgotten when its file fails to load.
    session.setPendingLoadPath(dir.file("missing.tpz"));
    loadProject(session);
    EXPECT_EQ(services.fileErrors.size(), 1u);
    loadProject(session);
    EXPECT_EQ(services.openFilters.size(), 2u);
}

TEST_F(ProjectCommands, StartUpLoadsTheFileNamedOnTheCommandLine) {
    const std::string path = dir.file("arg.tpz");
    spit(path, encodeProject(richTemplate()));
    services.args = {path, "ignored"};
    startUp(session);
    EXPECT_TRUE(services.openFilters.empty());
    EXPECT_EQ(editor.document().rmg(), richTemplate());
    EXPECT_EQ(editor.document().caption(), "Редактор шаблонов - Rich");
    expectFreshHistory();
}

// Every refused file leaves the template, the history, the view and the
// caption as they were; each failure shows exactly one report.
TEST_F(ProjectCommands, RefusedFilesLeaveEverythingAsItWas) {
    loadTemplate(richTemplate());
    change("Step 1");
    change("Step 2");
    editor.document().stepBack(); // both history buttons enabled
    editor.viewController().setZoomLevel(3);
    editor.viewController().setOrigin(2, -1);

    const std::string good = encodeProject(makeNewTemplate());
    const std::string failed = "Не удалось загрузить файл шаблона!";
    const std::string damaged = failed + "\rФайл поврежден: "; // then the reason
    struct Case {
        const char* file;
        std::string bytes; // "": no such file, "-": an empty one, "/": a folder
        bool fileError;
        std::string messageStart;
    };
    const std::vector<Case> cases = {
        {"missing.tpz", "", true, ""},
        {"folder.tpz", "/", true, ""},
        {"empty.tpz", "-", false, failed},
        {"cut.tpz", good.substr(0, good.size() - 6), false, damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = dir.file(c.file);
        if (c.bytes == "-")
            spit(path, "");
        else if (c.bytes == "/")
            std::filesystem::create_directory(path);
        else if (!c.bytes.empty())
            spit(path, c.bytes);
        services.messages.clear();
        services.fileErrors.clear();
        services.messageAnswers.push_back(MessageResult::No);
        services.openAnswers.push_back(path);
        editor.setTool(kCreateZoneTool);
        const EditorState before(editor);
        const int captions = view.captions;
        loadProject(session);

        EXPECT_EQ(EditorState(editor), before);
        EXPECT_EQ(view.captions, captions);
        EXPECT_EQ(editor.tool(), kNoTool);
        if (c.fileError) {
            EXPECT_EQ(services.fileErrors.size(), 1u);
            EXPECT_EQ(services.messages.size(), 1u); // only the prompt
        } else {
            EXPECT_TRUE(services.fileErrors.empty());
            ASSERT_EQ(services.messages.size(), 2u);
            const RecordedMessage& m = services.messages[1];
            EXPECT_EQ(m.kind, MessageKind::Error);
            EXPECT_EQ(m.buttons, MessageButtons::Ok);
            if (c.messageStart == failed)
                EXPECT_EQ(m.text, failed);
            else
                EXPECT_EQ(m.text.rfind(damaged, 0), 0u) << m.text;
        }
    }
}

TEST_F(ProjectCommands, APatternReplacesTheTemplateAsUnsavedWorkAfterTheQuestion) {
    change("Mine");
    const TRmg mine = editor.document().rmg();
    PatternSettings settings;
    settings.players = 3;
    // Cancelled dialog, then Cancel at the question: nothing changes.
    dialogs.patternAnswers = {std::nullopt, settings};
    services.messageAnswers = {MessageResult::Cancel};
    newFromPattern(session);
    newFromPattern(session);
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{test::kSaveChangesText});
    EXPECT_EQ(editor.document().rmg(), mine);

    dialogs.patternAnswers = {settings};
    services.messageAnswers = {MessageResult::No};
    newFromPattern(session);
    EXPECT_EQ(editor.document().rmg(), generateTemplate(settings));
    EXPECT_FALSE(editor.document().canStepBack());
    EXPECT_TRUE(editor.document().modified()); // never saved: closing asks
}

} // namespace
} // namespace zw
