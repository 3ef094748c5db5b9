// The translation files: every text of the sources has a finished English
// translation, so that a new text can't reach a user untranslated, and no
// entry is left over from a text the sources no longer have.
#include "support/scratch_dir.h"
#include "support/translation_files.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

#include <filesystem>

namespace zw {
namespace {

const std::string kRoot = std::string(ZW_DATA_DIR) + "/..";

// Each entry of `file` finished: translated, neither new nor left over.
void expectFinished(const std::string& file, const std::string& xml) {
    const std::vector<test::TsEntry> entries = test::readTsEntries(xml);
    for (const test::TsEntry& e : entries) {
        SCOPED_TRACE(file + ": " + e.context + " / " + e.source);
        EXPECT_EQ(e.type, "");
        EXPECT_FALSE(e.translation.empty());
    }
}

TEST(TranslationFiles, EveryEntryIsFinished) {
    const std::vector<std::string> files = test::tsFiles(kRoot);
    ASSERT_GE(files.size(), 2u);
    for (const std::string& file : files)
        expectFinished(file, test::slurp(file));
}

// lupdate run over the sources into copies of the files (translations/update.sh)
// adds each new text as unfinished and marks each vanished one: the copies
// must come out with the same entries, all finished.
TEST(TranslationFiles, AreCurrentWithTheSources) {
    test::ScratchDir scratch;
    const std::vector<std::string> files = test::tsFiles(kRoot);
    for (const std::string& file : files)
        std::filesystem::copy_file(file,
                                   scratch.file(std::filesystem::path(file).filename().string()));
    QProcess update;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZW_TS_DIR"), QString::fromStdString(scratch.path()));
    update.setProcessEnvironment(env);
    update.setProcessChannelMode(QProcess::MergedChannels);
    update.start(QStringLiteral("bash"),
                 {QString::fromStdString(kRoot + "/translations/update.sh")});
    ASSERT_TRUE(update.waitForFinished(120000));
    ASSERT_EQ(update.exitCode(), 0) << update.readAll().toStdString();
    for (const std::string& file : files) {
        const std::string name = std::filesystem::path(file).filename().string();
        const std::string updated = test::slurp(scratch.file(name));
        expectFinished(name + " after lupdate", updated);
        const auto keys = [](const std::string& xml) {
            std::vector<std::pair<std::string, std::string>> out;
            for (const test::TsEntry& e : test::readTsEntries(xml))
                out.emplace_back(e.context, e.source);
            return out;
        };
        EXPECT_EQ(keys(updated), keys(test::slurp(file))) << name;
    }
}

} // namespace
} // namespace zw
