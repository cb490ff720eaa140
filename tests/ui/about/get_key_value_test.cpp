#include "tests/support/fake_registry.h"
#include "ui/about/get_key_value.h"

#include <gtest/gtest.h>

namespace corvald::ui::about {
namespace {

    using fakes::FakeRegistry;

    constexpr const char* kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

    class GetKeyValueTest : public ::testing::Test {
    protected:
        bool read() { return GetKeyValue(registry, kHkeyLocalMachine, kKey, "PATH", value); }

        FakeRegistry registry;
        std::string value = "before";
    };

    TEST_F(GetKeyValueTest, ReadsAStringWithoutItsTerminator)
    {
        registry.setString(kKey, "PATH", "C:\\Tools\\msinfo32.exe");
        EXPECT_TRUE(read());
        EXPECT_EQ(value, "C:\\Tools\\msinfo32.exe");
        EXPECT_EQ(registry.openRequests.at(0).rights, 0x2003Fu);
        EXPECT_EQ(registry.openRequests.at(0).options, 0u);
        EXPECT_EQ(registry.lastBufferSize, 1024u);
        EXPECT_EQ(registry.openKeys, 0);
    }

    TEST_F(GetKeyValueTest, KeepsEveryCharacterOfAStringStoredWithoutTerminator)
    {
        registry.setBytes(kKey, "PATH", kRegString, { 'a', 'b', 'c' });
        EXPECT_TRUE(read());
        EXPECT_EQ(value, "abc");
    }

    TEST_F(GetKeyValueTest, ReadsExactly1024BytesAndFailsOn1025)
    {
        registry.setBytes(kKey, "PATH", kRegString, std::vector<std::uint8_t>(1024, 'x'));
        EXPECT_TRUE(read());
        EXPECT_EQ(value.size(), 1024u);
        registry.setBytes(kKey, "PATH", kRegString, std::vector<std::uint8_t>(1025, 'x'));
        EXPECT_FALSE(read());
        EXPECT_EQ(value, "");
        EXPECT_EQ(registry.openKeys, 0);
    }

    TEST_F(GetKeyValueTest, AMissingKeyOrValueEmptiesTheTextAndIsFalse)
    {
        EXPECT_FALSE(read());
        EXPECT_EQ(value, "");
        registry.setString(kKey, "OTHER", "x");
        value = "before";
        EXPECT_FALSE(read());
        EXPECT_EQ(value, "");
        EXPECT_EQ(registry.openKeys, 0);
    }

    TEST_F(GetKeyValueTest, AZeroLengthValueIsAFailureThatStillClosesTheKey)
    {
        registry.setBytes(kKey, "PATH", kRegString, {});
        EXPECT_THROW(read(), EmptyRegistryValue);
        EXPECT_EQ(registry.openKeys, 0);
    }

    TEST_F(GetKeyValueTest, ANumberValueBecomesItsDecimalText)
    {
        registry.setBytes(kKey, "PATH", kRegNumber, { 0x10, 0x27, 0x00, 0x00 });
        EXPECT_TRUE(read());
        EXPECT_EQ(value, "10000");
        registry.setBytes(kKey, "PATH", kRegNumber, { 0xFF, 0xFF, 0xFF, 0xFF });
        EXPECT_TRUE(read());
        EXPECT_EQ(value, "4294967295");
    }

    TEST_F(GetKeyValueTest, AnyOtherTypeKeepsTheTextButIsTrue)
    {
        registry.setBytes(kKey, "PATH", 3, { 1, 2, 3 });
        EXPECT_TRUE(read());
        EXPECT_EQ(value, "before");
        EXPECT_EQ(registry.openKeys, 0);
    }

} // namespace
} // namespace corvald::ui::about
