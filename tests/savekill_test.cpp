// The saves under the worst a machine does: killed with SIGKILL at any moment
// of a save, a disk that fills up, a folder that turns read-only. After each,
// every profile and the settings file is a complete version, old or new.
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "core/globals.h"
#include "platform/control.h"
#include "core/profiles.h"
#include "core/savestatus.h"
#include "core/settings.h"
#include "app/startup.h"
#include "testutil.h"

namespace fs = std::filesystem;

namespace {

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

// Generation g of profile p: a realistic player mid-journey whose fields all
// follow from g, so a file that mixes two generations cannot pass the check.
void makegeneration(int p, int g) {
    Profile& r = players.p[p];
    r = Profile{};
    r.playername = "Diver" + std::to_string(g % 1000);
    r.maxlevel = 1 + g % 74;
    r.sellevel = r.maxlevel;
    r.pearls = g * 7;
    r.totalpoints = g * 13;
    r.ingame = g % 2;
    for (int j = 1; j <= r.maxlevel; j++) r.levelstars[j] = 1 + (g + j) % 3;
    for (int j = 1; j <= MAXCARDS; j++) {
        r.card[j].cardx = (g + j) % 900;
        r.card[j].cardtype = 1 + (g + j) % 13;
    }
    for (int j = 1; j <= 100; j++) r.items[j] = (g + j) % 5;
    r.stats[1] = g;
}

// True when the file is one whole generation of a profile.
bool wholegeneration(const std::string& bytes, std::string& why) {
    Profile r;
    bool repaired = false;
    if (!decodeprofile(bytes, r, &repaired) || repaired) {
        why = "not a complete profile (" + std::to_string(bytes.size()) + " bytes)";
        return false;
    }
    Profile check = r;
    if (checkprofile(check) != 0) {
        why = "values out of range";
        return false;
    }
    if (r.playername.empty() && r.stats[1] == 0) return true;  // the first start's default
    int g = r.stats[1];
    if (r.pearls != g * 7 || r.totalpoints != g * 13 || r.playername != "Diver" + std::to_string(g % 1000) ||
        r.card[MAXCARDS].cardx != (g + MAXCARDS) % 900 || r.items[100] != (g + 100) % 5) {
        why = "fields of different generations";
        return false;
    }
    return true;
}

bool wholesettings(const std::string& bytes, std::string& why) {
    // Twelve lines; volumes and the wave follow the generation.
    std::istringstream in(bytes);
    std::string line;
    int v[13] = {}, n = 0;
    while (std::getline(in, line) && n < 12) v[++n] = std::atoi(line.c_str());
    if (n != 12) {
        why = "settings with " + std::to_string(n) + " lines";
        return false;
    }
    if (v[3] != v[4] || v[10] != v[3] % 2) {
        why = "settings of different generations";
        return false;
    }
    return true;
}

// The child: saves every profile and the settings, one generation after the
// other, until it is killed.
[[noreturn]] void saveforever(int seed) {
    std::mt19937 rng(seed);
    for (int g = 1;; g++) {
        int p = 1 + int(rng() % MAXPLAYERS);
        makegeneration(p, g);
        saveplayer(p);
        settings.musicvolume = settings.soundvolume = g % 100;
        settings.wavebg = (g % 100) % 2;
        savesettings(0);
    }
}

struct SaveKill : ::testing::Test {
    TempDir dir;
    void SetUp() override {
        headlessgame();
        core.userpath = dir.str();
        savesettings(1);
        settings.musicvolume = settings.soundvolume = 0;
        settings.wavebg = 0;
        savesettings(0);
        loadplayers(9999);
    }
    // Every save file is whole; returns a description of the first that is not.
    std::string checkall() {
        std::string why;
        for (int p = 1; p <= MAXPLAYERS; p++)
            if (!wholegeneration(slurp(playerfile(p)), why)) return "profile " + std::to_string(p) + ": " + why;
        if (!wholesettings(slurp(settingsfile()), why)) return why;
        return "";
    }
};

TEST_F(SaveKill, EverySaveFileIsWholeAfterAThousandKills) {
    std::mt19937 rng(20261210);
    int rounds = 1000, corrupt = 0;
    std::string first;
    for (int round = 1; round <= rounds; round++) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) saveforever(round);
        // Anywhere from before the first write to deep into a run of saves.
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % 6000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        std::string bad = checkall();
        if (!bad.empty()) {
            corrupt++;
            if (first.empty()) first = "round " + std::to_string(round) + ": " + bad;
        }
    }
    std::printf("kill -9 rounds: %d, corrupt files: %d\n", rounds, corrupt);
    EXPECT_EQ(corrupt, 0) << first;
    // What the kills left behind goes at the next start.
    removestaletemps();
    for (const auto& e : fs::directory_iterator(dir.path))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

// A small disk that fills up and a folder remounted read-only, each in a
// private mount namespace (needs the rights to mount, as in CI).
struct SmallDisk : SaveKill {
    static bool privatemount(const std::string& at, const char* opts) {
        if (::unshare(CLONE_NEWNS) != 0) return false;
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
        return ::mount("tmpfs", at.c_str(), "tmpfs", 0, opts) == 0;
    }
};

int runchild(const std::function<int()>& body) {
    pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST_F(SmallDisk, AFullDiskNeverTruncatesTheOldFiles) {
    int rc = runchild([&] {
        if (!privatemount(dir.str(), "size=64k")) return 77;
        savesettings(1);
        settings.musicvolume = settings.soundvolume = 0;
        settings.wavebg = 0;
        savesettings(0);
        for (int p = 1; p <= 3; p++) {
            makegeneration(p, p);
            if (!saveplayer(p)) return 1;
        }
        // Fill the disk to the last byte.
        {
            std::ofstream fill(dir.str() + "filler", std::ios::binary);
            std::string block(4096, 'x');
            for (int k = 0; k < 64 && fill; k++) fill << block;
        }
        for (int p = 1; p <= 3; p++) {
            makegeneration(p, 100 + p);
            if (saveplayer(p)) return 2;  // cannot have fitted
        }
        if (savestatus.notice != NOTICE_CANNOTSAVE) return 3;
        for (int p = 1; p <= 3; p++) {
            std::string why;
            std::string b = slurp(playerfile(p));
            Profile r;
            if (!wholegeneration(b, why) || !decodeprofile(b, r) || r.stats[1] != p) return 10 + p;
        }
        std::string why;
        if (!wholesettings(slurp(settingsfile()), why)) return 4;
        return 0;
    });
    if (rc == 77) GTEST_SKIP() << "no rights to mount a small disk here";
    EXPECT_EQ(rc, 0);
}

TEST_F(SmallDisk, AReadOnlyFolderKeepsTheOldFilesAndTheGameGoesOn) {
    int rc = runchild([&] {
        if (!privatemount(dir.str(), "size=1m")) return 77;
        savesettings(1);
        makegeneration(1, 5);
        if (!saveplayer(1)) return 1;
        if (::mount(nullptr, dir.str().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) return 77;
        resetsavestatus();
        makegeneration(1, 6);
        if (saveplayer(1)) return 2;
        savesettings(0);
        if (savestatus.notice != NOTICE_CANNOTSAVE) return 3;
        Profile r;
        if (!decodeprofile(slurp(playerfile(1)), r) || r.stats[1] != 5) return 4;
        // The start-up of a game on this folder: it reads what is there.
        core = CoreState{};
        resetplayers();
        core.userpath = dir.str();
        removestaletemps();
        loadsettings();
        loadplayers(0);
        return players.p[1].stats[1] == 5 ? 0 : 5;
    });
    if (rc == 77) GTEST_SKIP() << "no rights to mount a small disk here";
    EXPECT_EQ(rc, 0);
}

}  // namespace
