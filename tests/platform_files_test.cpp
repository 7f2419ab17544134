// File streams, path resolution and the crash-safe write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/control.h"
#include "platform/platform.h"
#include "testutil.h"

namespace {

void writebytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

TEST(PlatformFiles, ReadlineSplitsOnLineFeedNulAndEnd) {
    TempDir dir;
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"a\rb\nc", {"ab", "c"}},                        // a lone CR is dropped, the last line has no LF
        {std::string("x\0y\n", 4), {"x", "y"}},           // a NUL byte ends a line too
        {"\n\nz", {"", "", "z"}},
        {"\xE4\xFF\n", {"\xE4\xFF"}},                     // bytes above 127 come through unchanged
    };
    for (const Case& c : cases) {
        writebytes(dir.path / "t.txt", c.bytes);
        pf::Stream* s = pf::readfile(dir.str() + "t.txt");
        ASSERT_NE(s, nullptr);
        for (const auto& want : c.lines) {
            EXPECT_FALSE(pf::endoffile(s));
            EXPECT_EQ(pf::readline(s), want);
        }
        EXPECT_TRUE(pf::endoffile(s));
        EXPECT_EQ(pf::readline(s), "") << "at the end every read is empty";
        EXPECT_TRUE(pf::closefile(s));
    }
}

TEST(PlatformFiles, IntegersAndStringsRoundTripAndSurviveShortFiles) {
    TempDir dir;
    std::string path = dir.str() + "b.dat";
    pf::Stream* w = pf::writefile(path);
    ASSERT_NE(w, nullptr);
    pf::writeint(w, -2);
    pf::writeint(w, 0x01020304);
    pf::writestring(w, "hi");
    pf::writeline(w, std::string("\xE9", 1));
    ASSERT_TRUE(pf::closefile(w));
    EXPECT_EQ(slurp(path), std::string("\xFE\xFF\xFF\xFF\x04\x03\x02\x01hi\xE9\r\n", 13));

    pf::Stream* r = pf::readfile(path);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(pf::readint(r), -2);
    EXPECT_EQ(pf::readint(r), 0x01020304);
    EXPECT_EQ(pf::readstring(r, 2), "hi");
    EXPECT_EQ(pf::readstring(r, 2000000000), std::string("\xE9\r\n", 3)) << "a huge length is clamped to what is left";
    EXPECT_EQ(pf::readint(r), 0) << "past the end";
    EXPECT_EQ(pf::readstring(r, -5), "");
    pf::closefile(r);

    writebytes(dir.path / "short.dat", "\x07\x00");
    r = pf::readfile(dir.str() + "short.dat");
    EXPECT_EQ(pf::readint(r), 0) << "two bytes are not an integer";
    EXPECT_TRUE(pf::endoffile(r));
    pf::closefile(r);

    EXPECT_EQ(pf::readfile(dir.str() + "missing.dat"), nullptr);
    EXPECT_EQ(pf::readfile(dir.str()), nullptr) << "a folder is not a readable file";
    // Null streams are harmless everywhere.
    EXPECT_EQ(pf::readline(nullptr), "");
    EXPECT_EQ(pf::readint(nullptr), 0);
    pf::writeint(nullptr, 1);
    EXPECT_TRUE(pf::endoffile(nullptr));
    EXPECT_FALSE(pf::closefile(nullptr));
}

TEST(PlatformFiles, SafeWriteKeepsTheOldFileWhenTheWriteFails) {
    TempDir dir;
    std::string path = dir.str() + "players1.ppp";
    writebytes(path, "old contents\r\n");

    for (int failafter : {0, 5, 13}) {
        pf::ctl::failwritesafter(failafter);
        pf::Stream* s = pf::writefilesafe(path);
        ASSERT_NE(s, nullptr);
        pf::writeline(s, "new contents that are longer");
        pf::writeint(s, 42);
        EXPECT_FALSE(pf::closefile(s)) << failafter;
        pf::ctl::failwritesafter(-1);
        EXPECT_EQ(slurp(path), "old contents\r\n") << "after failing at byte " << failafter;
        int files = 0;
        for (auto& e : std::filesystem::directory_iterator(dir.path)) files += e.is_regular_file();
        EXPECT_EQ(files, 1) << "the temporary file is removed";
    }

    pf::Stream* s = pf::writefilesafe(path);
    pf::writeline(s, "new");
    EXPECT_TRUE(pf::closefile(s));
    EXPECT_EQ(slurp(path), "new\r\n");

    EXPECT_EQ(pf::writefilesafe(dir.str() + "no/such/folder/x.txt"), nullptr);
}

TEST(PlatformFiles, PathsResolveIgnoringCaseAndSeparatorRuns) {
    TempDir dir;
    std::filesystem::create_directories(dir.path / "Data" / "UI");
    std::filesystem::create_directories(dir.path / "data2" / "texts");
    writebytes(dir.path / "Data" / "UI" / "Cursor.png", "c");
    writebytes(dir.path / "data2" / "texts" / "menutexts.txt", "m");
    pf::setdataroot(dir.path.string());
    std::string root = dir.path.string();

    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"data\\UI\\cursor.png", root + "/Data/UI/Cursor.png"},
        {"DATA\\/ui//CURSOR.PNG", root + "/Data/UI/Cursor.png"},
        {"data\\ui\\newfile.txt", root + "/Data/UI/newfile.txt"},     // a missing last name keeps its spelling
        {"data\\nothere\\X.png", root + "/Data/nothere/X.png"},
        {root + "\\DATA2\\\\Texts/MenuTexts.TXT", root + "/data2/texts/menutexts.txt"},  // absolute
    };
    for (const Case& c : cases) EXPECT_EQ(pf::resolvepath(c.in), c.out) << c.in;

    EXPECT_EQ(pf::filetype("data\\ui"), 2);
    EXPECT_EQ(pf::filetype("data/UI/CURSOR.png"), 1);
    EXPECT_EQ(pf::filetype("data/UI/none.png"), 0);
    EXPECT_EQ(pf::filesize("data/ui/cursor.png"), 1);
    EXPECT_EQ(pf::filesize("data/ui/none.png"), -1);

    // A file created after a lookup is found under its own spelling.
    writebytes(dir.path / "Data" / "UI" / "Later.PNG", "later");
    EXPECT_EQ(pf::resolvepath("data/ui/later.png"), root + "/Data/UI/Later.PNG");
    EXPECT_TRUE(pf::deletefile("data/ui/LATER.png"));
    EXPECT_EQ(pf::filetype("data/ui/later.png"), 0);
    EXPECT_FALSE(pf::deletefile("data/ui")) << "folders are not deleted as files";

    EXPECT_TRUE(pf::createdir(root + "/a/b/c", true));
    EXPECT_EQ(pf::filetype(root + "/a/b/c"), 2);
    EXPECT_FALSE(pf::createdir(root + "/x/y", false)) << "without recurse a missing parent fails";
}

TEST(PlatformFiles, AppDataFolderFollowsTheEnvironment) {
    const char* oldxdg = std::getenv("XDG_DATA_HOME");
    const char* oldhome = std::getenv("HOME");
    std::string savexdg = oldxdg ? oldxdg : "", savehome = oldhome ? oldhome : "";
    struct Case {
        const char* xdg;
        const char* home;
        std::string want;
    };
    const Case cases[] = {
        {"/x/data", "/home/u", "/x/data/"},
        {"relative", "/home/u", "/home/u/.local/share/"},
        {nullptr, "/home/u/", "/home/u/.local/share/"},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        if (c.xdg) setenv("XDG_DATA_HOME", c.xdg, 1);
        else unsetenv("XDG_DATA_HOME");
        if (c.home) setenv("HOME", c.home, 1);
        else unsetenv("HOME");
        EXPECT_EQ(pf::appdatafolder(), c.want);
    }
    if (oldxdg) setenv("XDG_DATA_HOME", savexdg.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
    if (oldhome) setenv("HOME", savehome.c_str(), 1);
    else unsetenv("HOME");
}
