#include "tests/support/fake_message_boxes.h"
#include "tests/support/fake_registry.h"
#include "ui/about/start_sys_info.h"

#include <gtest/gtest.h>

#include <set>

namespace corvald::ui::about {
namespace {

    using fakes::FakeMessageBoxes;
    using fakes::FakeRegistry;
    using fakes::ShownMessage;

    const ShownMessage kUnavailable { "System Information Is Unavailable At This Time", "Corvald" };

    class FakeFiles : public FileSystem {
    public:
        bool isOrdinaryFile(const std::string& path) override
        {
            tested.push_back(path);
            return existing.contains(path);
        }
        std::set<std::string> existing;
        std::vector<std::string> tested;
    };

    class FakeLauncher : public ProgramLauncher {
    public:
        bool launch(const std::string& path) override
        {
            launched.push_back(path);
            return works;
        }
        bool works = true;
        std::vector<std::string> launched;
    };

    class StartSysInfoTest : public ::testing::Test {
    protected:
        void start() { StartSysInfo(host); }

        FakeRegistry registry;
        FakeFiles files;
        FakeLauncher launcher;
        FakeMessageBoxes messages;
        SysInfoHost host { registry, files, launcher, messages };
    };

    TEST_F(StartSysInfoTest, StartsThePathOfTheFirstLocationWithoutAFileTest)
    {
        registry.setString(std::string(kSysInfoKey), "PATH", "/usr/bin/hardinfo");
        registry.setString(std::string(kSysInfoFolderKey), "MSINFO", "C:\\Other");
        start();
        EXPECT_EQ(launcher.launched, std::vector<std::string> { "/usr/bin/hardinfo" });
        EXPECT_TRUE(files.tested.empty());
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(registry.openRequests.size(), 1u);
    }

    TEST_F(StartSysInfoTest, StartsTheProgramInTheFolderOfTheSecondLocation)
    {
        registry.setString(std::string(kSysInfoFolderKey), "MSINFO", "C:\\Tools");
        files.existing.insert("C:\\Tools\\MSINFO32.EXE");
        start();
        EXPECT_EQ(files.tested, std::vector<std::string> { "C:\\Tools\\MSINFO32.EXE" });
        EXPECT_EQ(launcher.launched, std::vector<std::string> { "C:\\Tools\\MSINFO32.EXE" });
        EXPECT_TRUE(messages.shown.empty());
    }

    TEST_F(StartSysInfoTest, AFolderEndingInABackslashGivesTwoInARow)
    {
        registry.setString(std::string(kSysInfoFolderKey), "MSINFO", "C:\\Tools\\");
        files.existing.insert("C:\\Tools\\\\MSINFO32.EXE");
        start();
        EXPECT_EQ(launcher.launched, std::vector<std::string> { "C:\\Tools\\\\MSINFO32.EXE" });
    }

    TEST_F(StartSysInfoTest, SaysUnavailableWhenNeitherLocationIsThere)
    {
        start();
        EXPECT_EQ(messages.shown, std::vector<ShownMessage> { kUnavailable });
        EXPECT_TRUE(launcher.launched.empty());
        EXPECT_EQ(registry.openRequests.size(), 2u);
    }

    TEST_F(StartSysInfoTest, SaysUnavailableWhenTheFolderLacksTheProgram)
    {
        registry.setString(std::string(kSysInfoFolderKey), "MSINFO", "C:\\Tools");
        start();
        EXPECT_EQ(messages.shown, std::vector<ShownMessage> { kUnavailable });
        EXPECT_TRUE(launcher.launched.empty());
    }

    TEST_F(StartSysInfoTest, SaysUnavailableForAZeroLengthValue)
    {
        registry.setBytes(std::string(kSysInfoKey), "PATH", kRegString, {});
        start();
        EXPECT_EQ(messages.shown, std::vector<ShownMessage> { kUnavailable });
        EXPECT_TRUE(launcher.launched.empty());
    }

    TEST_F(StartSysInfoTest, SaysUnavailableWhenTheLaunchFailsAndTriesNoSecondLocation)
    {
        registry.setString(std::string(kSysInfoKey), "PATH", "");
        registry.setString(std::string(kSysInfoFolderKey), "MSINFO", "C:\\Tools");
        files.existing.insert("C:\\Tools\\MSINFO32.EXE");
        launcher.works = false;
        start();
        EXPECT_EQ(launcher.launched, std::vector<std::string> { "" });
        EXPECT_EQ(messages.shown, std::vector<ShownMessage> { kUnavailable });
        EXPECT_EQ(registry.openRequests.size(), 1u);
    }

} // namespace
} // namespace corvald::ui::about
