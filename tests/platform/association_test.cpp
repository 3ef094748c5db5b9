#include "platform/association.h"
#include "platform/files.h"
#include "support/platform_fixtures.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <sys/stat.h>
#include <variant>

namespace zw {
namespace {
namespace fs = std::filesystem;

using test::slurp;
using test::spit;

// The reading side of a desktop entry's Exec value: the string escapes first,
// then the quoting rules; gives the program path of the first argument and
// the remaining words.
std::vector<std::string> parseExec(const std::string& value) {
    std::string s;
    for (size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            c = value[++i];
            c = c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c == 's' ? ' ' : c;
        }
        s += c;
    }
    std::vector<std::string> words;
    std::optional<std::string> word; // the word being read, if any
    bool quoted = false;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const bool next = i + 1 < s.size();
        if (next && ((quoted && c == '\\') || (c == '%' && s[i + 1] == '%'))) {
            word = word.value_or("") + s[++i]; // an escaped character, or "%%" as '%'
        } else if (c == '"') {
            quoted = !quoted;
            word = word.value_or("");
        } else if (c == ' ' && !quoted) {
            if (word)
                words.push_back(*word);
            word.reset();
        } else {
            word = word.value_or("") + c;
        }
    }
    if (word)
        words.push_back(*word);
    return words;
}

std::string execLine(const std::string& entry) {
    const size_t at = entry.find("\nExec=");
    if (at == std::string::npos)
        return {};
    const size_t start = at + 6;
    return entry.substr(start, entry.find('\n', start) - start);
}

TEST(DesktopExec, QuotesThePathAsOneArgumentFollowedByTheFileCode) {
    EXPECT_EQ(desktopExecValue("/opt/zw/zonewright"), "\"/opt/zw/zonewright\" %f");
    const std::vector<std::string> tricky = {
        "/home/a b/zonewright",   "/tmp/$(touch x)/zw",   "/tmp/back`tick`/zw",
        "/tmp/quo\"te/zw",        "/tmp/back\\slash\\zw", "/tmp/100%/zw",
        "/tmp/semi;colon&amp/zw", "/tmp/new\nline/zw",    "/tmp/Редактор/zw"};
    for (const std::string& p : tricky) {
        const std::vector<std::string> words = parseExec(desktopExecValue(p));
        ASSERT_EQ(words.size(), 2u) << p;
        EXPECT_EQ(words[0], p);
        EXPECT_EQ(words[1], "%f");
    }
    // A raw line break would end the key; it must be written as an escape.
    EXPECT_EQ(desktopExecValue("/a\nb").find('\n'), std::string::npos);
}

TEST(DesktopEntry, DeclaresTheTypeAndRunsTheExecutable) {
    const std::string d = desktopEntry("/usr/bin/zonewright");
    EXPECT_EQ(d.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_EQ(execLine(d), "\"/usr/bin/zonewright\" %f");
    EXPECT_NE(d.find("\nMimeType=application/x-zonewright-template;\n"), std::string::npos);
    EXPECT_NE(d.find("\nType=Application\n"), std::string::npos);
    // The running editor's windows belong to this entry: its class is the
    // application name the main window sets.
    EXPECT_NE(d.find("\nStartupWMClass=zonewright\n"), std::string::npos);
}

TEST(MimePackage, DeclaresTpzWithItsDescription) {
    const std::string x = mimePackageXml();
    EXPECT_NE(x.find("<mime-type type=\"application/x-zonewright-template\">"), std::string::npos);
    EXPECT_NE(x.find("<comment>Шаблон для случайных карт Kelvar</comment>"), std::string::npos);
    EXPECT_NE(x.find("<glob pattern=\"*.tpz\"/>"), std::string::npos);
    EXPECT_NE(x.find("value=\"TMPLv099\""), std::string::npos);
}

// The editor's line goes into the default group, made if missing, in the file's
// line ends. An application the user chose for the type stays the default; an
// empty line for the type counts as no choice. A second pass changes nothing.
TEST(MimeAppsList, SetsTheDefaultOnlyWhereNoneIsChosen) {
    const std::string ours = "application/x-zonewright-template=zonewright.desktop;";
    const std::string group = "[Default Applications]\n", plain = "text/plain=ed.desktop;";
    const std::string added =
        "[Added Associations]\napplication/x-zonewright-template=other.desktop;\n";
    const std::string chosen = "# my choices\n" + group + plain +
                               "\napplication/x-zonewright-template = other.desktop;\n\n" + added;
    const std::string removed = "\r\n\r\n[Removed Associations]\r\nimage/png=x.desktop;\r\n";
    struct Case {
        const char* what;
        std::string before, after;
    };
    // clang-format off
    const Case cases[] = {
        {"empty file", "", group + ours + "\n"},
        {"no group", "[Added Associations]\n" + plain,
         "[Added Associations]\n" + plain + "\n\n" + group + ours + "\n"},
        {"chosen", chosen, chosen},
        {"empty choices", group + "application/x-zonewright-template=\nimage/png=viewer.desktop;\n"
                          "application/x-zonewright-template= \n" + added,
         group + ours + "\nimage/png=viewer.desktop;\n" + added},
        {"CR LF", "[Default Applications]\r\n" + plain + removed,
         "[Default Applications]\r\n" + plain + "\r\n" + ours + removed},
        {"last group, no final line break", group + plain, group + plain + "\n" + ours + "\n"}};
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(withDefaultApplication(c.before), c.after) << c.what;
        EXPECT_EQ(withDefaultApplication(c.after), c.after) << c.what;
    }
}

class AssociationFiles : public ::testing::Test {
  protected:
    test::ScratchDir scratch;
    const fs::path root{scratch.path()};
    AssociationPaths paths{(root / "data").string(), (root / "config").string()};
    AssociationOptions noTools{false, std::chrono::milliseconds(100)};
};

TEST_F(AssociationFiles, WritesTheFourFilesAndLeavesThemAloneWhenUnchanged) {
    fs::create_directories(root / "config");
    spit(root / "config" / "mimeapps.list", "[Default Applications]\ntext/plain=ed.desktop;\n");

    const AssociationResult first = writeAssociation("/opt/zw/zonewright", paths, noTools);
    EXPECT_TRUE(first.ok);
    EXPECT_TRUE(first.changed);
    const fs::path data = root / "data";
    EXPECT_EQ(slurp(data / "mime/packages/zonewright.xml"), mimePackageXml());
    EXPECT_EQ(slurp(data / "applications/zonewright.desktop"), desktopEntry("/opt/zw/zonewright"));
    EXPECT_EQ(slurp(data / "icons/hicolor/scalable/apps/zonewright.svg"), associationIconSvg());
    EXPECT_EQ(slurp(root / "config/mimeapps.list"),
              "[Default Applications]\ntext/plain=ed.desktop;\n"
              "application/x-zonewright-template=zonewright.desktop;\n");

    const AssociationResult second = writeAssociation("/opt/zw/zonewright", paths, noTools);
    EXPECT_TRUE(second.ok);
    EXPECT_FALSE(second.changed);

    // The executable started last wins.
    const AssociationResult moved = writeAssociation("/srv/zw/zonewright", paths, noTools);
    EXPECT_TRUE(moved.changed);
    EXPECT_EQ(execLine(slurp(data / "applications/zonewright.desktop")),
              "\"/srv/zw/zonewright\" %f");
}

TEST_F(AssociationFiles, WritesThroughASymlinkedListAndNeverOverAnUnreadableOne) {
    fs::create_directories(root / "config");
    fs::create_directories(root / "dotfiles");
    spit(root / "dotfiles/mimeapps.list", "[Default Applications]\nimage/png=v.desktop;\n");
    fs::create_symlink(root / "dotfiles/mimeapps.list", root / "config/mimeapps.list");
    EXPECT_TRUE(writeAssociation("/opt/zw/zonewright", paths, noTools).ok);
    EXPECT_TRUE(fs::is_symlink(root / "config/mimeapps.list"));
    EXPECT_NE(slurp(root / "dotfiles/mimeapps.list")
                  .find("image/png=v.desktop;\napplication/x-zonewright-template="),
              std::string::npos);

    // A list that exists but cannot be read is not replaced by one holding only
    // the editor's line.
    fs::remove(root / "config/mimeapps.list");
    fs::create_directories(root / "config/mimeapps.list");
    spit(root / "config/mimeapps.list/keep", "x");
    const AssociationResult r = writeAssociation("/opt/zw/zonewright", paths, noTools);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(slurp(root / "config/mimeapps.list/keep"), "x");
    // The other files are still in place.
    EXPECT_TRUE(fs::exists(root / "data/applications/zonewright.desktop"));
}

TEST_F(AssociationFiles, FailsQuietlyWithoutUsableFolders) {
    EXPECT_FALSE(writeAssociation("/opt/zw/zonewright", {"", ""}, noTools).ok);
    spit(root / "file", "x");
    const AssociationPaths blocked{(root / "file/data").string(), (root / "file/config").string()};
    EXPECT_FALSE(writeAssociation("/opt/zw/zonewright", blocked, noTools).ok);
    EXPECT_EQ(slurp(root / "file"), "x");
}

TEST(AssociationPathsEnv, UsesXdgFoldersOrHomeDefaults) {
    struct Case {
        std::optional<std::string> data, config;
        std::string dataHome;
    };
    // A relative XDG_DATA_HOME is invalid and ignored, as an empty or unset one.
    for (const Case& c : {Case{"/x/data", std::nullopt, "/x/data"},
                          Case{"relative/data", "", "/home/u/.local/share"}}) {
        test::ScopedEnv home("HOME", "/home/u");
        test::ScopedEnv data("XDG_DATA_HOME", c.data);
        test::ScopedEnv config("XDG_CONFIG_HOME", c.config);
        const AssociationPaths p = associationPathsFromEnvironment();
        EXPECT_EQ(p.dataHome, c.dataHome);
        EXPECT_EQ(p.configHome, "/home/u/.config");
    }
}

// Fake refresh tools on a private PATH record how they were called.
class RefreshTools : public AssociationFiles {
  protected:
    void SetUp() override {
        fs::create_directories(root / "bin");
        tool("update-mime-database",
             "printf '%s\\n' \"$@\" >> \"" + (root / "mime-args").string() + "\"\n");
        tool("update-desktop-database",
             "printf '%s\\n' \"$@\" >> \"" + (root / "desktop-args").string() + "\"\n");
    }
    void tool(const std::string& name, const std::string& body) {
        const fs::path p = root / "bin" / name;
        spit(p, "#!/bin/sh\n" + body);
        ::chmod(p.c_str(), 0755);
    }
    std::string binDir() const { return (root / "bin").string(); }
};

// The tools run on a worker thread: a test waits for them, up to a limit.
bool finished(const AssociationResult& r) {
    return r.refreshed.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
}

TEST_F(RefreshTools, RunsEachToolWithItsFolderAsOneArgumentOnlyAfterAChange) {
    test::ScopedEnv path("PATH", binDir());
    // Characters a shell would act on reach the tool untouched.
    const fs::path odd = root / "da ta $(touch pwned) `x`";
    const AssociationPaths p{odd.string(), (root / "config").string()};
    const AssociationResult r = writeAssociation("/opt/zw/zonewright", p, {});
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.toolsRun, 2);
    ASSERT_TRUE(finished(r));
    EXPECT_EQ(slurp(root / "mime-args"), (odd / "mime").string() + "\n");
    EXPECT_EQ(slurp(root / "desktop-args"), (odd / "applications").string() + "\n");
    EXPECT_FALSE(fs::exists("pwned"));

    // Nothing changed, but the fake tools built no caches: they run again. With
    // caches that know the editor, they do not.
    fs::create_directories(odd / "mime/application");
    spit(odd / "mime/application/x-zonewright-template.xml", "");
    spit(odd / "applications/mimeinfo.cache",
         "[MIME Cache]\napplication/x-zonewright-template=zonewright.desktop;\n");
    const AssociationResult again = writeAssociation("/opt/zw/zonewright", p, {});
    EXPECT_EQ(again.toolsRun, 0);
    EXPECT_TRUE(finished(again));
}

// The caller never waits for a tool: one that waits for the test to let it go
// still runs after writeAssociation has returned, and one that hangs is stopped.
TEST_F(RefreshTools, ToolsRunWithoutHoldingTheCallerAndAHangingOneIsStopped) {
    {
        test::ScopedEnv path("PATH", (root / "nothing-here").string());
        const AssociationResult r = writeAssociation("/opt/zw/zonewright", paths, {});
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.toolsRun, 0);
    }
    const fs::path gate = root / "gate";
    tool("update-mime-database", "while [ ! -e '" + gate.string() +
                                     "' ]; do /bin/sleep 0.02; done\necho ran > '" +
                                     (root / "mime-args").string() + "'\n");
    tool("update-desktop-database", "exec /bin/sleep 30\n");
    test::ScopedEnv path("PATH", binDir());
    fs::remove(root / "data/mime/packages/zonewright.xml");
    const AssociationResult r =
        writeAssociation("/opt/zw/zonewright", paths, {true, std::chrono::milliseconds(3000)});
    EXPECT_EQ(r.toolsRun, 2);
    EXPECT_EQ(r.refreshed.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    spit(gate, "");
    ASSERT_TRUE(finished(r));
    EXPECT_EQ(slurp(root / "mime-args"), "ran\n");
}

TEST(RunTool, ReportsExitStatusAndIgnoresTheCurrentFolder) {
    EXPECT_TRUE(runToolWithTimeout("/bin/true", {}, std::chrono::seconds(5)));
    EXPECT_FALSE(runToolWithTimeout("/bin/false", {}, std::chrono::seconds(5)));
    EXPECT_FALSE(runToolWithTimeout("/nonexistent/tool", {}, std::chrono::seconds(5)));
    test::ScopedEnv path("PATH", ":.:relative");
    EXPECT_EQ(findOnPath("sh"), "");
}

} // namespace
} // namespace zw
