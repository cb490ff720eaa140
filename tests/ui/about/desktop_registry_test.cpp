#include "ui/about/desktop_registry.h"
#include "ui/about/detached_launch.h"
#include "ui/about/get_key_value.h"
#include "ui/about/host_file_system.h"
#include "ui/about/start_sys_info.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace corvald::ui::about {
namespace {

    namespace fs = std::filesystem;

    class Folder {
    public:
        Folder()
            : path_(fs::temp_directory_path() / fs::path("corvald-test").concat(uniqueSuffix()))
        {
            fs::create_directories(path_);
        }
        ~Folder() { fs::remove_all(path_); }
        std::string file(
            const std::string& name, bool executable, const std::string& script = {}) const
        {
            return fileIn(path_, name, executable, script);
        }
        static std::string fileIn(const fs::path& folder, const std::string& name, bool executable,
            const std::string& script = {})
        {
            const fs::path path = folder / name;
            std::ofstream(path) << "#!/bin/sh\n" << script;
            fs::permissions(path,
                executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
            return path.string();
        }
        std::string path() const { return path_.string(); }

    private:
        static std::string uniqueSuffix()
        {
            static int made = 0;
            std::string suffix = std::to_string(::getpid());
            suffix.append("-").append(std::to_string(++made));
            return suffix;
        }

        fs::path path_;
    };

    TEST(FindSysInfoProgram, TakesTheFirstListedProgramFoundOnThePath)
    {
        Folder first, second;
        second.file("hardinfo", true);
        const std::string kinfo = first.file("kinfocenter", true);
        first.file("hardinfo2", false); // not executable
        EXPECT_EQ(
            findSysInfoProgram(first.path() + ":" + second.path()), second.path() + "/hardinfo");
        EXPECT_EQ(findSysInfoProgram(std::string(":").append(first.path()).append("::")), kinfo);
        EXPECT_EQ(findSysInfoProgram(""), "");
    }

    TEST(FindSysInfoProgram, SkipsFoldersRelativeFoldersAndFilesThatCannotRun)
    {
        Folder shadowing, tools, current;
        fs::create_directory(shadowing.path() + "/hardinfo2");
        fs::create_directory(shadowing.path() + "/hardinfo");
        const std::string real = tools.file("hardinfo2", true);
        EXPECT_EQ(findSysInfoProgram(shadowing.path() + ":" + tools.path()), real);

        // Tools reached through "." or a relative folder depend on the current folder.
        current.file("hardinfo2", true);
        fs::create_directory(current.path() + "/bin");
        Folder::fileIn(current.path() + "/bin", "hardinfo", true);
        const fs::path saved = fs::current_path();
        fs::current_path(current.path());
        const std::string found = findSysInfoProgram(".:bin:./bin");
        fs::current_path(saved);
        EXPECT_EQ(found, "");
    }

    TEST(FindSysInfoProgram, KeepsTheBytesOfAFolderNameThatIsNoValidText)
    {
        Folder tools;
        const std::string folder = tools.path() + "/tools-\xff\xfe";
        fs::create_directory(folder);
        const std::string program = Folder::fileIn(folder, "kinfocenter", true);
        EXPECT_EQ(findSysInfoProgram(folder), program);
    }

    // The launched stub writes its own path into `mark`.
    bool awaitMark(const std::string& mark)
    {
        for (int wait = 0; wait < 100; ++wait) {
            std::error_code error;
            if (fs::file_size(mark, error) > 0 && !error)
                return true;
            ::usleep(50'000);
        }
        return false;
    }

    TEST(LaunchDetached, StartsAProgramWhoseFolderNameIsNoValidText)
    {
        Folder tools;
        const std::string folder = tools.path() + "/tools-\xff\xfe";
        fs::create_directory(folder);
        const std::string mark = tools.path() + "/started";
        const std::string program
            = Folder::fileIn(folder, "hardinfo2", true, "echo \"$0 $#\" > '" + mark + "'\n");
        EXPECT_TRUE(launchDetached(program));
        ASSERT_TRUE(awaitMark(mark));
        std::string started;
        std::getline(std::ifstream(mark), started);
        EXPECT_EQ(started, program + " 0");
    }

    TEST(LaunchDetached, FailsForWhatCannotBeStarted)
    {
        Folder tools;
        EXPECT_FALSE(launchDetached(""));
        EXPECT_FALSE(launchDetached(tools.path()));
        EXPECT_FALSE(launchDetached(tools.path() + "/missing"));
        EXPECT_FALSE(launchDetached(tools.file("hardinfo2", false)));
    }

    TEST(DesktopRegistry, AnswersThePathLookUpAndNothingElse)
    {
        Folder tools;
        const std::string program = tools.file("hardinfo", true);
        const std::string savedPath = std::getenv("PATH");
        ::setenv("PATH", tools.path().c_str(), 1);
        DesktopRegistry registry;
        std::string value;
        EXPECT_TRUE(GetKeyValue(registry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, value));
        EXPECT_EQ(value, program);
        EXPECT_FALSE(GetKeyValue(
            registry, kHkeyLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue, value));
        EXPECT_FALSE(GetKeyValue(registry, 0x80000001, kSysInfoKey, kSysInfoValue, value));
        ::setenv("PATH", "", 1);
        EXPECT_FALSE(GetKeyValue(registry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, value));
        ::setenv("PATH", savedPath.c_str(), 1);
    }

    TEST(HostFileSystem, KnowsOrdinaryFilesFromFoldersAndHiddenFiles)
    {
        Folder folder;
        HostFileSystem files;
        EXPECT_TRUE(files.isOrdinaryFile(folder.file("MSINFO32.EXE", false)));
        EXPECT_FALSE(files.isOrdinaryFile(folder.file(".hidden", false)));
        EXPECT_FALSE(files.isOrdinaryFile(folder.path()));
        EXPECT_FALSE(files.isOrdinaryFile(folder.path() + "/missing"));
    }

} // namespace
} // namespace corvald::ui::about
