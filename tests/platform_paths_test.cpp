// Which data folder the game takes when nothing set one: the working folder's
// when it holds the game's data, otherwise the next candidate (the build's,
// as the tests run from below it), and the choice is logged.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/control.h"
#include "platform/platform.h"
#include "testutil.h"

namespace fs = std::filesystem;

namespace {

// Runs the lookup with `dir` as the working folder and returns its answer.
std::string lookupfrom(const fs::path& dir) {
    fs::path was = fs::current_path();
    fs::current_path(dir);
    pf::setdataroot("");
    pf::ctl::clearlog();
    std::string root = pf::dataroot();
    fs::current_path(was);
    return root;
}

}  // namespace

TEST(DataFolder, WorkingFolderWinsOnlyWithTheGamesData) {
    TempDir empty;
    const std::string fallback = lookupfrom(empty.path);
    EXPECT_NE(fallback, fs::canonical(empty.path).string());
    struct Case {
        const char* what;
        const char* textfile;  // written below the working folder, "" for none
        bool working;          // the working folder is taken
    };
    const Case cases[] = {
        {"no data folder", "", false},
        {"a player's own data folder", "data/notes/todo.txt", false},
        {"the game's data", "data/texts/menutexts.txt", true},
        {"the game's data written in other case", "Data/Texts/MenuTexts.txt", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        if (*c.textfile) {
            fs::create_directories((dir.path / c.textfile).parent_path());
            std::ofstream(dir.path / c.textfile) << "x\n";
        }
        std::string cwd = fs::canonical(dir.path).string();
        std::string root = lookupfrom(dir.path);
        EXPECT_EQ(root, c.working ? cwd : fallback);
        ASSERT_FALSE(pf::ctl::loglines().empty());
        EXPECT_EQ(pf::ctl::loglines().back(), "Datapath: " + root);
    }
    pf::setdataroot(fs::path(TW_DATA_DIR).parent_path().string());
}
