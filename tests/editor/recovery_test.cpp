#include "editor/recovery.h"

#include "support/kept_samples.h"
#include "support/model_samples.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace zw {
namespace {

using std::chrono::seconds;
using test::richTemplate;
using test::ScratchDir;
using test::spit;

TEST(RecoveryNames, OnlyRecoveryNamesWithAPlainProcessIdCount) {
    EXPECT_EQ(recoveryFileName(4242), "recovery-4242.tpz");
    struct Case {
        const char* name;
        std::optional<ProcessId> pid;
    };
    for (const Case& c : {
             Case{"recovery-4242.tpz", 4242},
             Case{"recovery-1.tpz", 1},
             Case{"recovery-4294967295.tpz", 4294967295},
             Case{"recovery-4294967296.tpz", std::nullopt},
             Case{"recovery-99999999999.tpz", std::nullopt},
             Case{"recovery-0.tpz", std::nullopt},
             Case{"recovery-012.tpz", std::nullopt},
             Case{"recovery--5.tpz", std::nullopt},
             Case{"recovery-+5.tpz", std::nullopt},
             Case{"recovery-.tpz", std::nullopt},
             Case{"recovery-12-2.tpz", 12}, // a second name for the same id
             Case{"recovery-12-1.tpz", std::nullopt},
             Case{"recovery-12-02.tpz", std::nullopt},
             Case{"recovery-12-.tpz", std::nullopt},
             Case{"recovery-12.lock", std::nullopt},
             Case{"recovery-12.tpz.tmpAbc123", std::nullopt}, // the writer's temporary file
             Case{"recovery-12.TPZ", std::nullopt},
             Case{"recovery-1 2.tpz", std::nullopt},
             Case{"my-12.tpz", std::nullopt},
         })
        EXPECT_EQ(recoveryFilePid(c.name), c.pid) << c.name;
}

TEST(RecoveryNames, QuestionNamesTheTemplateAndTheLocalTimeOfTheLastWrite) {
    std::tm t{};
    std::tie(t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec) =
        std::tuple(2026 - 1900, 11, 7, 9, 5, 3); // 07.12.2026, 09:05:03
    // "Карта" in Windows-1251.
    EXPECT_EQ(
        recoveryQuestion("\xCA\xE0\xF0\xF2\xE0 1", t),
        "Восстановить несохраненный шаблон?\rКарта 1\rПоследняя запись: 07.12.2026, 09:05:03");
    // A name from a damaged file cannot add lines or fill the screen.
    const std::string q = recoveryQuestion("a\rb\nc" + std::string(500, 'x'), t);
    EXPECT_NE(q.find("\ra b c" + std::string(115, 'x') + "...\r"), std::string::npos) << q;
}

std::string fileName(const std::string& path) {
    return test::utf8Path(test::fsPath(path).filename());
}

class RecoveryStoreTest : public ::testing::Test {
  protected:
    static constexpr ProcessId kOwn = 100;

    RecoveryStore store(ProcessId own = kOwn) { return RecoveryStore({dir.path(), own}); }
    // A recovery file of process `pid` with `name`, last written `age` ago.
    std::string leave(ProcessId pid, const std::string& name, seconds age) {
        TRmg t = richTemplate();
        t.name = name;
        const std::string path = dir.file(recoveryFileName(pid));
        spit(path, encodeProject(t));
        test::setAge(path, age);
        return path;
    }
    static std::vector<ProcessId> pids(const std::vector<RecoveryCandidate>& list) {
        std::vector<ProcessId> out;
        for (const auto& c : list)
            out.push_back(c.pid);
        return out;
    }

    ScratchDir dir;
};

TEST_F(RecoveryStoreTest, OffersFilesNobodyHoldsNewestFirst) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links, which the test makes, are not available under Wine";
#endif
    leave(301, "older", seconds(300));
    leave(302, "\xED\xEE\xE2\xFB\xE9", seconds(10)); // Windows-1251 name kept as bytes
    // Another editor, still running, whatever its id.
    RecoveryStore running = store(301);
    ASSERT_TRUE(std::holds_alternative<std::monostate>(running.write(richTemplate())));
    spit(dir.file("recovery-303.tpz"), "not a project");
    spit(dir.file("notes.txt"), "unrelated");
    std::filesystem::create_symlink(dir.file("recovery-301.tpz"), dir.file("recovery-304.tpz"));
    std::filesystem::create_directory(dir.file("recovery-305.tpz"));

    const auto found = store().orphans();
    EXPECT_EQ(pids(found), (std::vector<ProcessId>{302, 301}));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, "\xED\xEE\xE2\xFB\xE9");
    EXPECT_EQ(found[0].path, dir.file("recovery-302.tpz"));
    const auto age = std::chrono::system_clock::now() - found[0].lastWrite;
    EXPECT_GT(age, seconds(5));
    EXPECT_LT(age, seconds(60));
    EXPECT_EQ(found[1].name, "older");
    EXPECT_EQ(fileName(running.ownPath()), "recovery-301-2.tpz");
}

// Process ids are reused (by later boots, by other containers sharing the
// folder): a file is left behind exactly when nobody holds its lock, and an
// editor never writes over nor deletes a file it did not write.
TEST_F(RecoveryStoreTest, AFileOfTheSameIdIsOfferedAndNeverTouchedUnasked) {
    leave(kOwn, "left by an earlier run", seconds(60));
    RecoveryStore s = store();
    EXPECT_EQ(fileName(s.ownPath()), "recovery-100-2.tpz");
    s.remove(); // a load before the offer
    ASSERT_TRUE(std::holds_alternative<std::monostate>(s.write(richTemplate())));
    const auto found = s.orphans();
    ASSERT_EQ(pids(found), std::vector<ProcessId>{kOwn});
    EXPECT_EQ(found[0].name, "left by an earlier run");

    // This editor's own file is no orphan for another editor while it runs,
    // even one with the same id, and is one once it is gone.
    EXPECT_EQ(store(kOwn).orphans().size(), 1u);
    { RecoveryStore crashed = std::move(s); } // as a crash leaves it: file kept, lock gone
    EXPECT_EQ(store(7).orphans().size(), 2u);
}

TEST_F(RecoveryStoreTest, WriteCreatesTheFolderAndRemoveTakesOnlyWhatItWrote) {
#ifdef _WIN32
    GTEST_SKIP() << "the expected path is spelled with POSIX separators";
#endif
    RecoveryStore s({dir.file("sub/zonewright"), kOwn});
    // A project file, so that cells kept from an extended table come back too.
    ASSERT_TRUE(std::holds_alternative<std::monostate>(s.write(test::keptTemplate())));
    EXPECT_EQ(s.ownPath(), dir.file("sub/zonewright/recovery-100.tpz"));
    const auto loaded = decodeProject(test::slurp(s.ownPath()));
    ASSERT_TRUE(std::holds_alternative<TRmg>(loaded));
    EXPECT_EQ(std::get<TRmg>(loaded), test::keptTemplate());

    s.remove();
    EXPECT_FALSE(std::filesystem::exists(s.ownPath()));
    // Put there by someone else after the removal: not this run's to delete.
    spit(s.ownPath(), "x");
    s.remove();
    EXPECT_TRUE(std::filesystem::exists(s.ownPath()));
}

TEST_F(RecoveryStoreTest, ClaimTakesTheFileOverAndDiscardDeletesIt) {
    leave(301, "first", seconds(20));
    leave(302, "second", seconds(10));
    leave(303, "third", seconds(5));
    RecoveryStore s = store();
    const auto found = s.orphans();
    ASSERT_EQ(found.size(), 3u);

    ASSERT_TRUE(std::holds_alternative<std::monostate>(s.discard(found[1])));
    const auto claimed = s.claim(found[2]);
    ASSERT_TRUE(std::holds_alternative<TRmg>(claimed));
    TRmg expected = richTemplate();
    expected.name = "first";
    EXPECT_EQ(std::get<TRmg>(claimed), expected);
    EXPECT_EQ(dir.listing(), "recovery-100.lock\nrecovery-100.tpz\nrecovery-303.tpz\n");
    EXPECT_EQ(s.orphans().size(), 1u);

    // Taken by another editor in the meantime: reported, nothing loaded; one
    // already gone needs no deleting; one another editor holds now is kept.
    EXPECT_TRUE(std::holds_alternative<FileError>(s.claim(found[2])));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(s.discard(found[1])));
    const FileLock other = FileLock::take(recoveryLockPath(found[0].path), true);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(s.discard(found[0])));
    EXPECT_TRUE(std::filesystem::exists(found[0].path));
}

// Start-up sweeps what killed writes and closed editors left in the folder,
// but nothing that another editor holds or that can still be recovered.
TEST_F(RecoveryStoreTest, StartUpSweepsLeftoversNobodyHolds) {
    leave(301, "orphan", seconds(10));
    spit(dir.file("recovery-301.lock"), "");
    spit(dir.file("recovery-302.lock"), "");
    spit(dir.file("recovery-303.lock"), "");
    const FileLock running = FileLock::take(dir.file("recovery-303.lock"), false);
    spit(dir.file("recovery-9.tpz.tmpab12cd34"), "partial");
    test::setAge(dir.file("recovery-9.tpz.tmpab12cd34"), seconds(120));
    {
        RecoveryStore s = store();
        EXPECT_EQ(dir.listing(),
                  "recovery-100.lock\nrecovery-301.lock\nrecovery-301.tpz\nrecovery-303.lock\n");
    }
    // Closed with nothing left to recover: its lock file goes too.
    EXPECT_EQ(dir.listing(), "recovery-301.lock\nrecovery-301.tpz\nrecovery-303.lock\n");
}

TEST_F(RecoveryStoreTest, WithoutAFolderNothingIsWrittenOrOffered) {
    RecoveryStore s({"", kOwn});
    EXPECT_FALSE(s.enabled());
    EXPECT_TRUE(std::holds_alternative<std::monostate>(s.write(richTemplate())));
    EXPECT_TRUE(s.orphans().empty());
    EXPECT_EQ(dir.listing(), "");
}

TEST(AutosavePolicy, WritesChangesAtMostOncePerInterval) {
    using A = AutosaveAction;
    const AutosavePolicy::TimePoint t0{};
    AutosavePolicy p;
    EXPECT_EQ(p.next(true, t0), A::None); // nothing changed yet
    EXPECT_EQ(p.wait(true, t0), std::nullopt);

    p.changed();
    EXPECT_EQ(p.next(false, t0), A::None); // changed back to unmodified, nothing on disk
    EXPECT_EQ(p.next(true, t0), A::Write); // the first change is written at once
    p.wrote(t0);
    EXPECT_EQ(p.next(true, t0 + seconds(40)), A::None); // nothing new since

    p.changed();
    EXPECT_EQ(p.next(true, t0 + seconds(29)), A::None);
    EXPECT_EQ(p.wait(true, t0 + seconds(29)), seconds(1));
    EXPECT_EQ(p.next(true, t0 + seconds(30)), A::Write);

    // A failed write is tried again one interval later; only the first failure is reported.
    EXPECT_TRUE(p.writeFailed(t0 + seconds(30)));
    EXPECT_EQ(p.next(true, t0 + seconds(59)), A::None);
    EXPECT_EQ(p.next(true, t0 + seconds(60)), A::Write);
    EXPECT_FALSE(p.writeFailed(t0 + seconds(60)));
    p.wrote(t0 + seconds(90));
    p.changed();
    EXPECT_TRUE(p.writeFailed(t0 + seconds(120)));

    // Stepped back to the start: the file goes; stepped forward again: written again.
    p.wrote(t0 + seconds(150));
    p.changed();
    EXPECT_EQ(p.next(false, t0 + seconds(151)), A::Remove);
    p.removed();
    EXPECT_EQ(p.next(false, t0 + seconds(152)), A::None);
    p.changed();
    EXPECT_EQ(p.next(true, t0 + seconds(170)), A::None);
    EXPECT_EQ(p.next(true, t0 + seconds(180)), A::Write);

    // Saved (still modified): nothing to write until the next change.
    p.wrote(t0 + seconds(180));
    p.removed();
    EXPECT_EQ(p.next(true, t0 + seconds(300)), A::None);
    p.changed();
    EXPECT_EQ(p.next(true, t0 + seconds(300)), A::Write);
}

} // namespace
} // namespace zw
