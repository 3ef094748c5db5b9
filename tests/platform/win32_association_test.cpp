// The ".tpz" association on Windows, written to the registry of the test's own
// Wine prefix and read back with the registry API.
#ifdef _WIN32

#include "platform/association.h"
#include "platform/win32_text.h"

#include <gtest/gtest.h>
#include <shellapi.h>

namespace zw {
namespace {

std::string userClassDefault(const std::string& key) {
    const std::wstring k = *toUtf16("Software\\Classes\\" + key);
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, k.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return "<missing>";
    return toUtf8(value);
}

// The toolkit names the program with forward slashes; Explorer wants native paths.
TEST(Win32Association, FourValuesUnderTheUsersClassesWithACyrillicNativePath) {
    const std::string exe = "C:\\Users\\Пётр\\Документы\\Редактор\\zonewright.exe";
    const AssociationResult result =
        writeAssociation("C:/Users/Пётр/Документы/Редактор/zonewright.exe", {});
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(userClassDefault(".tpz"), "Zonewright");
    EXPECT_EQ(userClassDefault("Zonewright"), "Шаблон для случайных карт Kelvar");
    EXPECT_EQ(userClassDefault("Zonewright\\DefaultIcon"), exe + ",0");
    EXPECT_EQ(userClassDefault("Zonewright\\shell\\open\\command"), "\"" + exe + "\" \"%1\"");
}

// The association's icon entry names "<program>,0": the executables carry the
// project's icon as their first icon resource.
TEST(Win32Association, TheProgramCarriesAnIconForTheAssociation) {
    wchar_t self[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    HICON large = nullptr;
    ASSERT_EQ(ExtractIconExW(self, 0, &large, nullptr, 1), 1u);
    EXPECT_NE(large, nullptr);
    DestroyIcon(large);
}

} // namespace
} // namespace zw

#endif
