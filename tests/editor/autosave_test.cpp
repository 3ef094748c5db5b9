// The editor's autosave, start-up recovery and recent files, driven through the
// editor with a clock moved by hand and a recovery folder of the test.
#include "editor/autosave.h"
#include "editor/commands/close_request.h"
#include "editor/commands/load_project.h"
#include "editor/commands/new_template.h"
#include "editor/commands/save_project.h"
#include "editor/commands/start_up.h"
#include "model/project_file.h"
#include "platform/files.h"
#include "support/document_edits.h"
#include "support/model_samples.h"
#include "support/mouse_harness.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zw {
namespace {

using namespace std::chrono_literals;
using test::ScratchDir;

class ManualTimer : public AutosaveTimer {
  public:
    TimePoint now() const override { return now_; }
    void start(Duration after, std::function<void()> expired) override {
        due_ = now_ + after;
        run_ = std::move(expired);
    }
    void stop() override { run_ = nullptr; }
    bool pending() const { return run_ != nullptr; }
    // Moves the clock on, running the timer when it comes due.
    void advance(Duration d) {
        now_ += d;
        if (run_ && now_ >= due_) {
            auto run = std::move(run_);
            run_ = nullptr;
            run();
        }
    }

  private:
    TimePoint now_{1h};
    TimePoint due_;
    std::function<void()> run_;
};

constexpr ProcessId kOwnPid = 4242;

class AutosaveTest : public ::testing::Test {
  protected:
    ScratchDir folder;
    ScratchDir projects;
    ManualTimer timer; // outlives the editor that uses it
    MouseHarness h;

    void SetUp() override {
        h.session.enableRecovery(RecoveryStore({folder.path(), kOwnPid}), timer);
    }
    std::string ownCopy() const { return folder.file(recoveryFileName(kOwnPid)); }
    // The template kept in this editor's recovery file, if any.
    std::optional<TRmg> copy() const {
        auto bytes = readWholeFile(ownCopy());
        if (!std::holds_alternative<std::string>(bytes))
            return std::nullopt;
        auto t = decodeProject(std::get<std::string>(bytes));
        if (!std::holds_alternative<TRmg>(t))
            return std::nullopt;
        return std::get<TRmg>(t);
    }
    void edit(int32_t gx) {
        h.drawZone(gx, 1);
        timer.advance(0s); // the write comes once the edit is over
    }
};

// The cadence itself is the policy's (recovery_test); here only the wiring.
TEST_F(AutosaveTest, EditsAreWrittenByTheTimerAndSteppingBackToTheStartRemovesTheCopy) {
    EXPECT_FALSE(timer.pending());
    edit(1);
    ASSERT_TRUE(copy());
    EXPECT_EQ(encodeProject(*copy()), encodeProject(h.editor.document().rmg()));
    edit(3);
    timer.advance(30s);
    EXPECT_EQ(encodeProject(*copy()), encodeProject(h.editor.document().rmg()));

    // Stepping back to the template as it was at the start leaves nothing to recover.
    h.editor.document().stepBack();
    h.editor.document().stepBack();
    timer.advance(0s);
    EXPECT_FALSE(std::filesystem::exists(ownCopy()));
    EXPECT_TRUE(h.services.messages.empty());
}

TEST_F(AutosaveTest, SaveNewLoadAndCloseRemoveTheCopyAndACancelledSaveKeepsIt) {
    const std::string saved = projects.file("saved.tpz");
    constexpr MessageResult No = MessageResult::No;
    const std::function<void()> save = [&] { saveProject(h.session); };
    struct Case {
        const char* name;
        std::function<void()> run;
        std::deque<MessageResult> answers;
        std::optional<std::string> file; // what the file dialog answers; none: cancelled
        bool removes;
    };
    const Case cases[] = {
        {"cancelled save", save, {}, {}, false},
        {"save", save, {}, saved, true},
        {"new template", [&] { newTemplate(h.session); }, {No}, {}, true},
        {"load", [&] { loadProject(h.session); }, {No}, saved, true},
        {"close", [&] { EXPECT_TRUE(closeRequest(h.session)); }, {No}, {}, true},
        {"cancelled close", [&] { EXPECT_FALSE(closeRequest(h.session)); }, {}, {}, false},
    };
    int32_t gx = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit(gx += 2);
        timer.advance(30s);
        ASSERT_TRUE(std::filesystem::exists(ownCopy()));
        h.services.messageAnswers = c.answers;
        h.services.saveAnswers = h.services.openAnswers = {c.file};
        c.run();
        timer.advance(30s);
        EXPECT_EQ(std::filesystem::exists(ownCopy()), !c.removes);
    }
    // The save and the load each put the project at the top of the recent list.
    EXPECT_EQ(h.session.recentFiles().paths(), std::vector<std::string>{saved});
}

TEST_F(AutosaveTest, StartUpOffersOrphansNewestFirstAndRecoversAsModified) {
    TRmg older = makeNewTemplate();
    older.name = "Older";
    older.appendZone(test::startZone(1, 2, 2));
    TRmg newer = makeNewTemplate();
    newer.name = "Newer";
    const std::string olderPath = folder.file(recoveryFileName(100));
    const std::string newerPath = folder.file(recoveryFileName(200));
    writeWholeFile(olderPath, encodeProject(older));
    writeWholeFile(newerPath, encodeProject(newer));
    const auto now = std::filesystem::file_time_type::clock::now();
    std::filesystem::last_write_time(olderPath, now - 1h);
    std::filesystem::last_write_time(newerPath, now);

    // No to the newer, Yes to the older.
    h.services.messageAnswers = {MessageResult::No, MessageResult::Yes};
    startUp(h.session);
    const auto texts = h.services.messageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind(std::string(kRecoveryQuestion) + "\rNewer\r", 0), 0u) << texts[0];
    EXPECT_EQ(texts[1].rfind(std::string(kRecoveryQuestion) + "\rOlder\r", 0), 0u) << texts[1];
    EXPECT_EQ(h.services.messages[0].buttons, MessageButtons::YesNo);

    EXPECT_FALSE(std::filesystem::exists(newerPath));
    EXPECT_FALSE(std::filesystem::exists(olderPath));
    EXPECT_EQ(encodeProject(*copy()), encodeProject(older)); // taken over, not copied
    EXPECT_EQ(encodeProject(h.editor.document().rmg()), encodeProject(older));
    EXPECT_EQ(h.editor.document().caption(), "Редактор шаблонов - Older");
    EXPECT_TRUE(h.editor.document().modified());
    EXPECT_TRUE(h.session.recentFiles().paths().empty());

    // Save asks for a place; stepping back returns to the template shown before.
    saveProject(h.session);
    EXPECT_EQ(h.services.saveFilters.size(), 1u);
    h.editor.document().stepBack();
    EXPECT_EQ(h.editor.document().rmg().name, makeNewTemplate().name);
    EXPECT_FALSE(h.editor.document().modified());
}

TEST_F(AutosaveTest, RecentFilesDropAMissingFileWithAMessageAndLoadTheOthers) {
    TRmg t = makeNewTemplate();
    t.name = "Kept";
    const std::string kept = projects.file("kept.tpz");
    const std::string gone = projects.file("gone.tpz");
    writeWholeFile(kept, encodeProject(t));
    RecentFiles recent;
    recent.add(gone);
    recent.add(kept);
    h.session.setRecentFiles(recent);

    openRecent(h.session, gone);
    EXPECT_EQ(h.services.messageTexts(), std::vector<std::string>{missingRecentFileMessage(gone)});
    EXPECT_EQ(h.services.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(h.session.recentFiles().paths(), std::vector<std::string>{kept});

    openRecent(h.session, kept);
    EXPECT_EQ(h.editor.document().rmg().name, "Kept");
    EXPECT_TRUE(h.services.openFilters.empty());
    // A load stopped at the question leaves no path behind for the next load.
    test::change(h.editor, [](TRmg& t) { t.name = "Changed"; });
    h.services.messageAnswers.push_back(MessageResult::Cancel);
    openRecent(h.session, kept);
    h.services.messageAnswers.push_back(MessageResult::No);
    loadProject(h.session);
    EXPECT_EQ(h.services.openFilters.size(), 1u);
}

} // namespace
} // namespace zw
