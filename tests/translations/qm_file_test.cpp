// The translation files lrelease makes, read without the toolkit: every
// finished entry of the .ts source comes out of the .qm as written, and bytes
// that are not such a file are refused instead of read past their end.
#include "translations/language.h"

#include "model/translation.h"
#include "support/scratch_dir.h"
#include "support/translation_files.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

const std::string kQmDir = ZW_QM_DIR;

std::string number(uint32_t n) {
    return {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
            static_cast<char>(n)};
}
std::string text(char tag, std::string_view bytes) {
    return tag + number(static_cast<uint32_t>(bytes.size())) + std::string(bytes);
}
std::string block(char tag, std::string_view bytes) {
    return text(tag, bytes);
}
const std::string kMagic("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd", 16);
// "Да" -> "Yes" in the context "Ctx": the translation UTF-16 (big-endian), the
// source and context as bytes, then the end of the message.
const std::string kMessage =
    text('\x03', std::string("\0Y\0e\0s", 6)) + text('\x06', "Да") + text('\x07', "Ctx") + '\x01';

TEST(QmFile, EveryFinishedEntryOfTheSourceReadsBackAsWritten) {
    for (const char* part : {"zonewright_core", "zonewright_windows"}) {
        SCOPED_TRACE(part);
        const auto qm = readQmFile(test::slurp(kQmDir + "/" + part + "_en.qm"));
        ASSERT_TRUE(qm);
        const auto entries = test::readTsEntries(
            test::slurp(std::string(ZW_DATA_DIR) + "/../translations/" + part + "_en.ts"));
        ASSERT_FALSE(entries.empty());
        for (const auto& e : entries) {
            const auto found = qm->find(translationKey(e.context, e.source));
            ASSERT_NE(found, qm->end()) << e.context << ": " << e.source;
            EXPECT_EQ(found->second, e.translation) << e.context << ": " << e.source;
        }
    }
}

TEST(QmFile, ReadsHandMadeMessagesAndRefusesWhatRunsPastTheEnd) {
    const std::string good = kMagic + block('\x69', kMessage);
    const struct {
        const char* what;
        std::string bytes;
        bool read;
    } cases[] = {
        {"one message", good, true},
        {"another block beside it", kMagic + block('\x42', "12345678") + block('\x69', kMessage),
         true},
        {"nothing after the signature", kMagic, true},
        {"empty", "", false},
        {"a wrong signature", "x" + good.substr(1), false},
        {"the block cut short", good.substr(0, good.size() - 1), false},
        {"a block length past the end", kMagic + '\x69' + number(1000) + kMessage, false},
        {"a text length past the end", kMagic + block('\x69', '\x06' + number(99) + "Да"), false},
        {"an odd UTF-16 translation", kMagic + block('\x69', text('\x03', "abc") + '\x01'), false},
        {"a lone surrogate",
         kMagic + block('\x69', text('\x03', std::string("\xd8\x00", 2)) + '\x01'), false},
        {"an unknown tag", kMagic + block('\x69', std::string("\x7f")), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto qm = readQmFile(c.bytes);
        ASSERT_EQ(qm.has_value(), c.read);
    }
    const auto qm = readQmFile(good);
    ASSERT_EQ(qm->size(), 1u);
    EXPECT_EQ(qm->at(translationKey("Ctx", "Да")), "Yes");
}

TEST(QmFile, TheLanguageSwitchesEveryCoreTextAndBackToRussian) {
    ASSERT_TRUE(useLanguage(Language::English, kQmDir));
    EXPECT_EQ(currentLanguage(), Language::English);
    EXPECT_EQ(translated("Editor", "Редактор шаблонов - "), "Template editor - ");
    EXPECT_FALSE(useLanguage(Language::English, kQmDir + "/missing"));
    EXPECT_EQ(currentLanguage(), Language::English) << "a failed switch changes nothing";
    ASSERT_TRUE(useLanguage(Language::Russian, kQmDir + "/missing"));
    EXPECT_EQ(translated("Editor", "Редактор шаблонов - "), "Редактор шаблонов - ");
    EXPECT_EQ(currentLanguage(), Language::Russian);
}

} // namespace
} // namespace zw
