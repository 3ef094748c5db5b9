#include "editor/recent_files.h"

#include <gtest/gtest.h>

#include <set>

namespace zw {
namespace {

using Paths = std::vector<std::string>;

// Names without folders read the same on every system; the system's own form
// of folders has a test of its own below.
TEST(RecentFiles, LatestFirstWithoutRepeatsAndAtMostEight) {
    RecentFiles list;
    for (const char* p : {"a.tpz", "b.tpz", "c.tpz"})
        list.add(p);
    EXPECT_EQ(list.paths(), (Paths{"c.tpz", "b.tpz", "a.tpz"}));

    list.add("a.tpz"); // reopened: moves to the top, not listed twice
    list.add("");
    EXPECT_EQ(list.paths(), (Paths{"a.tpz", "c.tpz", "b.tpz"}));

    for (int i = 1; i <= 7; ++i)
        list.add("n" + std::to_string(i) + ".tpz");
    EXPECT_EQ(list.paths(), (Paths{"n7.tpz", "n6.tpz", "n5.tpz", "n4.tpz", "n3.tpz", "n2.tpz",
                                   "n1.tpz", "a.tpz"}));
}

// Stored lists of earlier runs hold the file dialogs' '/', a command line
// mostly '\': on Windows one file is one entry however it is spelt, and the
// latest spelling is kept.
TEST(RecentFiles, OneEntryPerFileHoweverItIsSpelt) {
    RecentFiles list = RecentFiles::fromStrings({"Z:/maps/a.tpz", "z:\\MAPS\\A.tpz", "/b.tpz"});
    list.add("/b.tpz");
    list.add("Z:\\maps\\b.tpz");
    list.add("Z:/Maps/B.tpz");
    list.dropIfMissing("z:/maps/a.TPZ", [](const std::string&) { return false; });
#ifdef _WIN32
    EXPECT_EQ(list.paths(), (Paths{"Z:/Maps/B.tpz", "/b.tpz"}));
#else
    EXPECT_EQ(list.paths(), (Paths{"Z:/Maps/B.tpz", "Z:\\maps\\b.tpz", "/b.tpz", "Z:/maps/a.tpz",
                                   "z:\\MAPS\\A.tpz"}));
#endif
}

TEST(RecentFiles, AMissingFileIsDroppedWithAMessageNamingIt) {
    RecentFiles list = RecentFiles::fromStrings({"gone.tpz", "here.tpz"});
    const std::set<std::string> existing{"here.tpz"};
    const auto exists = [&](const std::string& p) { return existing.count(p) > 0; };

    EXPECT_EQ(list.dropIfMissing("here.tpz", exists), std::nullopt);
    EXPECT_EQ(list.dropIfMissing("gone.tpz", exists),
              "Файл не найден и удален из списка последних файлов:\rgone.tpz");
    EXPECT_EQ(list.paths(), Paths{"here.tpz"});
}

TEST(RecentFiles, StoredListReadsBackCleanedUp) {
    const Paths kept{"мой шаблон.tpz", "a.tpz", "b.tpz"};
    EXPECT_EQ(RecentFiles::fromStrings(kept).toStrings(), kept);

    Paths stored{"", "a", std::string(kMaxRecentPathBytes + 1, 'x'), "a", "b"};
    for (int i = 0; i < 10; ++i)
        stored.push_back("n" + std::to_string(i));
    EXPECT_EQ(RecentFiles::fromStrings(stored).paths(),
              (Paths{"a", "b", "n0", "n1", "n2", "n3", "n4", "n5"}));
}

} // namespace
} // namespace zw
