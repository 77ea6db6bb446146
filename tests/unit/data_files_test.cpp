#include "core/data_files.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>


namespace {

TEST(DataFiles, FoldersFromTheProgramPath)
{
    struct Case {
        std::string start;
        std::string program;
        std::vector<std::string> folders;
    };
    const Case cases[] = {
        {"/home/p", "/usr/bin/glimtags", {"/home/p", "/usr/bin", "/usr/share/glimtags"}},
        {"/opt/g/bin", "/opt/g/bin/glimtags", {"/opt/g/bin", "/opt/g/share/glimtags"}},
        {"/home/p/", "./glimtags", {"/home/p", "/home/share/glimtags"}},
        {"/w/x", "../bin/glimtags", {"/w/x", "/w/bin", "/w/share/glimtags"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(glimtags::dataFolders(c.start, c.program), c.folders) << c.start << " " << c.program;
}

class DataFileLookup : public ::testing::Test {
protected:
    DataFileLookup()
    {
        for (const char* folder : {"start", "bin", "share/glimtags", "start/English.lan"})
            std::filesystem::create_directories(root.path() / folder);
        folders = {root.file("start"), root.file("bin"), root.file("share/glimtags")};
    }

    glimtags::test::TempDir root;
    std::vector<std::string> folders;
};

TEST_F(DataFileLookup, FirstFolderHoldingAFileWins)
{
    for (const char* path : {"start/Font.TGA", "bin/Font.TGA", "share/glimtags/Font.TGA", "bin/BackGrnd.TGA",
                             "share/glimtags/BackGrnd.TGA", "share/glimtags/Help.chm", "bin/English.lan"})
        root.write(path, "x");
    struct Case {
        std::string name;
        std::string path;
    };
    const Case cases[] = {
        {"Font.TGA", root.file("start/Font.TGA")},
        {"BackGrnd.TGA", root.file("bin/BackGrnd.TGA")},
        {"Help.chm", root.file("share/glimtags/Help.chm")},
        // A folder named like the file holds nothing.
        {"English.lan", root.file("bin/English.lan")},
        {"Missing.lan", "Missing.lan"},
        // Names with a folder in them are opened as given.
        {"start/Font.TGA", "start/Font.TGA"},
        {root.file("bin/Font.TGA"), root.file("bin/Font.TGA")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(glimtags::resolveDataFile(c.name, folders), c.path) << c.name;
}

} // namespace
