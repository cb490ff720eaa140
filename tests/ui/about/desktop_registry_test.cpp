#include "ui/about/desktop_registry.h"
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
        std::string file(const std::string& name, bool executable) const
        {
            const fs::path path = path_ / name;
            std::ofstream(path) << "#!/bin/sh\n";
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
