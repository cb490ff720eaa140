// The registry reader on the Windows registry itself: values written through
// the Windows API come back through WindowsRegistry and GetKeyValue as the
// About dialog reads the system-information tool's location.
#include "ui/about/get_key_value.h"
#include "ui/about/windows_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace corvald::ui::about {
namespace {

    constexpr std::uint32_t kHkeyCurrentUser = 0x80000001;
    constexpr const char* kTestKey = "Software\\CORVALD tests\\registry";

    // A key of the current user's registry holding one value of each kind the
    // About dialog may meet, removed again at the end.
    class TestKey : public ::testing::Test {
    protected:
        void SetUp() override
        {
            HKEY key = nullptr;
            ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &key, nullptr),
                ERROR_SUCCESS);
            setString(key, "PATH", std::string(kTool) + '\0');
            setString(key, "Long", std::string(2000, 'x') + '\0');
            setString(key, "Empty", "");
            const DWORD number = 4096;
            ::RegSetValueExA(
                key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
            ::RegCloseKey(key);
        }
        void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }

        static constexpr const char* kTool
            = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\MSINFO32.EXE";
        WindowsRegistry registry_;

    private:
        static void setString(HKEY key, const char* name, const std::string& bytes)
        {
            ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                static_cast<DWORD>(bytes.size()));
        }
    };

    TEST_F(TestKey, ReadsAStringWithoutItsTerminatingZero)
    {
        std::string value = "before";
        EXPECT_TRUE(GetKeyValue(registry_, kHkeyCurrentUser, kTestKey, "PATH", value));
        EXPECT_EQ(value, kTool);
    }

    TEST_F(TestKey, ReadsANumberAsDecimalText)
    {
        std::string value;
        EXPECT_TRUE(GetKeyValue(registry_, kHkeyCurrentUser, kTestKey, "Number", value));
        EXPECT_EQ(value, "4096");
    }

    TEST_F(TestKey, AMissingKeyOrValueIsNoResult)
    {
        std::string value = "before";
        EXPECT_FALSE(GetKeyValue(
            registry_, kHkeyCurrentUser, "Software\\CORVALD tests\\none", "PATH", value));
        EXPECT_EQ(value, "");
        value = "before";
        EXPECT_FALSE(GetKeyValue(registry_, kHkeyCurrentUser, kTestKey, "MSINFO", value));
        EXPECT_EQ(value, "");
    }

    TEST_F(TestKey, AValueLongerThanTheBufferIsNoResult)
    {
        std::string value = "before";
        EXPECT_FALSE(GetKeyValue(registry_, kHkeyCurrentUser, kTestKey, "Long", value));
        EXPECT_EQ(value, "");
    }

    TEST_F(TestKey, AnEmptyValueEndsTheRead)
    {
        std::string value;
        EXPECT_THROW(
            GetKeyValue(registry_, kHkeyCurrentUser, kTestKey, "Empty", value), EmptyRegistryValue);
    }

    TEST_F(TestKey, ReportsTheStatusCodesOfTheWindowsCalls)
    {
        RegistryKey key = 0;
        ASSERT_EQ(registry_.RegOpenKeyExA(kHkeyCurrentUser, kTestKey, 0, kKeyAllAccess, key),
            kRegistrySuccess);
        std::uint8_t small[8] {};
        std::uint32_t type = 0;
        std::uint32_t size = sizeof small;
        EXPECT_EQ(registry_.RegQueryValueExA(key, "PATH", type, small, size), kRegistryMoreData);
        EXPECT_EQ(registry_.RegCloseKey(key), kRegistrySuccess);
        EXPECT_EQ(registry_.RegOpenKeyExA(
                      kHkeyCurrentUser, "Software\\CORVALD tests\\none", 0, kKeyAllAccess, key),
            kRegistryFileNotFound);
    }

} // namespace
} // namespace corvald::ui::about
