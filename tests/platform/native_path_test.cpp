#include "platform/native_path.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(NativePath, WindowsSeparatesWithBackslashesPosixKeepsEveryByte) {
    // A path, and its Windows form.
    const std::pair<std::string, std::string> cases[] = {
        {"Z:/maps/карта.tpz", "Z:\\maps\\карта.tpz"},
        {"C:\\maps/a b/x.tpz", "C:\\maps\\a b\\x.tpz"},
        {"//server/share/x.tpz", "\\\\server\\share\\x.tpz"},
        {"/maps/x.tpz", "\\maps\\x.tpz"},
        {"a.tpz", "a.tpz"},
        {"", ""},
        // The verbatim form takes '/' as a character of a name: left alone.
        {"\\\\?\\C:\\a/b", "\\\\?\\C:\\a/b"},
    };
    for (const auto& [given, windows] : cases) {
        EXPECT_EQ(nativePath(given, PathStyle::Windows), windows) << given;
        EXPECT_EQ(nativePath(given, PathStyle::Posix), given) << given;
    }
#ifdef _WIN32
    EXPECT_EQ(nativePath("Z:/a/b.tpz"), "Z:\\a\\b.tpz");
#else
    EXPECT_EQ(nativePath("/a\\b.tpz"), "/a\\b.tpz");
#endif
}

TEST(NativePath, SameFileOnWindowsWhateverTheSeparatorsAndCase) {
    struct Case {
        std::string a, b;
        bool windows, posix;
    };
    const Case cases[] = {
        {"Z:/maps/a.tpz", "Z:\\maps\\a.tpz", true, false},
        {"z:\\MAPS\\A.TPZ", "Z:\\maps\\a.tpz", true, false},
        {"C:\\Карты\\Ёжик ÄÖ Ĳ Ž Ω.tpz", "c:/карты/ёжик äö ĳ ž ω.tpz", true, false},
        {"/maps/a.tpz", "/maps/a.tpz", true, true},
        {"C:\\a.tpz", "C:\\b.tpz", false, false},
        {"C:\\a.tpz", "C:\\a.tpz ", false, false},
        {"C:\\ß", "C:\\ss", false, false},
        // Bytes that are no UTF-8 compare as bytes, never as some other letter.
        {"C:\\\xff.tpz", "C:\\\xff.tpz", true, true},
        {"C:\\\xd0.tpz", "C:\\\xd1.tpz", false, false},
        {"C:\\\xd0", "C:\\\xd0\x90", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(samePath(c.a, c.b, PathStyle::Windows), c.windows) << c.a << " | " << c.b;
        EXPECT_EQ(samePath(c.b, c.a, PathStyle::Windows), c.windows) << c.b << " | " << c.a;
        EXPECT_EQ(samePath(c.a, c.b, PathStyle::Posix), c.posix) << c.a << " | " << c.b;
    }
}

} // namespace
} // namespace zw
