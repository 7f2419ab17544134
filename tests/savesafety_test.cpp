// Saves that must survive what players' machines do to them: hostile and
// damaged profiles, failing disks, stale temporary files, FIFOs and file-size
// limits where save files belong.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "platform/control.h"
#include "core/profiles.h"
#include "core/savestatus.h"
#include "core/screens.h"
#include "core/settings.h"
#include "app/startup.h"
#include "gamescreen_fixture.h"
#include "present/fonts.h"
#include "present/notice.h"
#include "present/texts.h"
#include "testutil.h"

namespace fs = std::filesystem;

namespace {

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}
void spit(const std::string& path, const std::string& b) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << b;
}
void setint(std::string& b, int offset, int v) { std::memcpy(&b[offset * 4], &v, 4); }

// ---- a hostile profile resumed in the card game ------------------------------

struct HostileResume : GameScreenFixture {
    static void enter(int level) {
        core.playlevel = level;
        core.screen = SCREEN_MAP;
        instgame();
        fade.fadestate = 1;
        fade.fadelevel = 255;
    }
    static void frame(int n = 1) {
        for (int k = 0; k < n; k++) {
            pf::clearscreen();
            core.framecount++;
            showgame();
        }
    }
};

// Counters that a hand-edited or corrupted file can hold. Loaded, they must
// come back in range; played, they must not overflow anything (the sanitizer
// build turns any signed overflow into a failure).
TEST_F(HostileResume, HugeCountersAreBroughtIntoRangeAndPlaySafely) {
    akt().maxlevel = akt().sellevel = 2;
    enter(2);
    frame(200);
    ASSERT_EQ(cg.gamestat, 2);
    ASSERT_TRUE(saveplayer(1));
    std::string b = slurp(playerfile(1));
    ASSERT_GE(b.size(), 9568u);
    struct Poke {
        int offset, value;
    } pokes[] = {
        {10, INT_MAX},           // leveltime
        {2, INT_MAX},            // bossdamage
        {15, INT_MAX},           // bestcombo
        {17, INT_MAX},           // stockround
        {21, INT_MAX},           // savedpoints
        {24, INT_MAX},           // fishserved
        {26 + 4, INT_MAX},       // card 1 cardposx
        {26 + 5, INT_MIN},       // card 1 cardposy
        {26 + 6, INT_MAX},       // card 1 cardx
        {26 + 8, INT_MAX},       // card 1 cardparam
        {26 + 18 + 10, INT_MAX}, // card 2 cardshown
        {26 + 18 + 11, INT_MIN}, // card 2 cardflip
        {26 + 18 + 14, INT_MAX}, // card 2 carddealtime
        {26 + 18 + 16, INT_MAX}, // card 2 cardshake
        {962, INT_MAX},          // stack 1 stackx
        {964, INT_MAX},          // stack 1 stackleft
        {1042, INT_MAX},         // stacks
        {1049, INT_MAX},         // movestep
        {1050, INT_MIN},         // aktflip
        {2111, INT_MAX},         // fish 1 fishx
        {2113, INT_MAX},         // fish 1 fishbob
    };
    for (const Poke& k : pokes) setint(b, k.offset, k.value);
    spit(playerfile(1), b);
    loadplayers(0);
    const Profile& p = players.p[1];
    EXPECT_EQ(p.ingame, 1) << "the suspended level is still there";
    EXPECT_LE(p.leveltime, 1000000);
    EXPECT_LE(p.bossdamage, 100);
    EXPECT_LE(p.card[1].cardposx, 4096);
    EXPECT_GE(p.card[1].cardposy, -4096);
    EXPECT_LE(p.card[1].cardparam, 1000000);
    EXPECT_LE(p.stack[1].stackleft, MAXCARDS);
    EXPECT_LE(p.stacks, MAXSTACKS);
    EXPECT_GE(p.aktflip, -1000000);
    EXPECT_LE(p.fish[1].fishx, 4096);
    // Play on with it: clicks on every playable card, draws, the clock.
    enter(2);
    for (int t = 0; t < 1500 && cg.gamestat == 2; t++) {
        in.mhit1 = 0;
        if (t % 7 == 0) {
            for (int s = 1; s <= MAXCARDS; s++)
                if (cg.cardplayable[s]) {
                    in.mx = akt().card[s].cardx + 48;
                    in.my = akt().card[s].cardy + 71;
                    in.mhit1 = 1;
                    break;
                }
            if (!in.mhit1 && t % 21 == 0) {
                in.mx = stabletopx() + 48;
                in.my = cg.stabley + 71;
                in.mhit1 = 1;
            }
        }
        frame();
        levelclocktick();
    }
    SUCCEED();
}

// ---- damaged files ------------------------------------------------------------

struct Damaged : ::testing::Test {
    TempDir dir;
    void SetUp() override {
        headlessgame();
        core.userpath = dir.str();
        loadplayers(9999);
        players.p[1].playername = "Mia";
        players.p[1].maxlevel = 12;
        players.p[1].pearls = 750;
        ASSERT_TRUE(saveplayer(1));
        resetsavestatus();
        pf::ctl::clearlog();
    }
    void TearDown() override { pf::ctl::failwritesafter(-1); }
    std::string good() { return slurp(playerfile(1)); }
    bool logged(const std::string& s) {
        for (const auto& l : pf::ctl::loglines())
            if (l.find(s) != std::string::npos) return true;
        return false;
    }
};

// What can be read is kept; what cannot is replaced; every damaged copy is
// kept under its own number; the player is told.
TEST_F(Damaged, RepairsWhatCanBeReadAndKeepsEveryDamagedCopy) {
    struct Case {
        const char* what;
        int cut;             // bytes removed from the end (negative: junk appended)
        bool progresskept;
        const char* name;
    } cases[] = {
        {"junk after the record", -37, true, "Mia"},
        {"name cut short", 2, true, "M"},
        {"name gone", 3, true, "Player1"},
        {"one integer short", 3 + 4, false, ""},
        {"one byte short of the integers", 3 + 1, false, ""},
        {"empty file", 9568 + 3, false, ""},
    };
    int damages = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string b = good();
        if (c.cut < 0) b += std::string(size_t(-c.cut), '\x7f');
        else b.resize(b.size() - size_t(c.cut));
        spit(playerfile(1), b);
        resetsavestatus();
        loadplayers(0);
        damages++;
        const Profile& p = players.p[1];
        EXPECT_EQ(p.maxlevel, c.progresskept ? 12 : 0);
        EXPECT_EQ(p.pearls, c.progresskept ? 750 : 0);
        EXPECT_EQ(p.playername, c.name);
        EXPECT_EQ(savestatus.notice, NOTICE_RECREATED) << "the player is told";
        // The repaired or fresh profile is on disk, complete.
        Profile back;
        bool repaired = true;
        ASSERT_TRUE(decodeprofile(slurp(playerfile(1)), back, &repaired));
        EXPECT_FALSE(repaired);
        EXPECT_EQ(back.maxlevel, p.maxlevel);
        // put the good one back for the next case
        players.p[1].playername = "Mia";
        players.p[1].maxlevel = 12;
        players.p[1].pearls = 750;
        ASSERT_TRUE(saveplayer(1));
    }
    std::string base = playerfile(1) + ".bad";
    EXPECT_TRUE(fs::exists(base));
    for (int k = 2; k <= damages - 1; k++) EXPECT_TRUE(fs::exists(base + std::to_string(k))) << k;
    // the empty file has nothing worth keeping
    EXPECT_FALSE(fs::exists(base + std::to_string(damages)));
}

TEST_F(Damaged, AnIntactProfileIsNeitherCopiedNorReported) {
    loadplayers(0);
    EXPECT_EQ(players.p[1].playername, "Mia");
    EXPECT_EQ(savestatus.notice, NOTICE_NONE);
    EXPECT_FALSE(fs::exists(playerfile(1) + ".bad"));
}

// A failing disk: logged, the player told once, the old file whole, and the
// next save tried again.
TEST_F(Damaged, FailedSavesTellThePlayerOnceAndKeepTrying) {
    std::string before = good();
    players.p[1].pearls = 900;
    pf::ctl::failwritesafter(100);
    EXPECT_FALSE(saveplayer(1));
    EXPECT_EQ(slurp(playerfile(1)), before) << "the old file is untouched";
    EXPECT_EQ(savestatus.notice, NOTICE_CANNOTSAVE);
    EXPECT_TRUE(logged("failed, previous file kept"));
    savestatus.notice = NOTICE_NONE;  // the player has seen it
    pf::ctl::failwritesafter(0);
    EXPECT_FALSE(saveplayer(1));
    savesettings(0);
    EXPECT_EQ(savestatus.notice, NOTICE_NONE) << "told once, not at every save";
    pf::ctl::failwritesafter(-1);
    EXPECT_TRUE(saveplayer(1)) << "the next save event tries again";
    EXPECT_EQ(slurp(playerfile(1)).size(), before.size());
    pf::ctl::failwritesafter(0);
    EXPECT_FALSE(saveplayer(1));
    EXPECT_EQ(savestatus.notice, NOTICE_CANNOTSAVE) << "a new failure after a good save is told again";
}

// The notice shows on the screens the player acts on, draws its two lines and
// goes after its time or a click.
TEST_F(Damaged, TheNoticeShowsItsTextsAndGoes) {
    loadpopupgraphics();
    loadfonts();
    loadalltexts();
    loadnotice();
    savestatus.notice = NOTICE_CANNOTSAVE;
    core.screen = SCREEN_SPLASH;
    pf::clearscreen();
    drawnotice();
    EXPECT_EQ(savestatus.noticetick, 0) << "it waits for the first real screen";
    core.screen = SCREEN_MAP;
    bool sign = false;
    for (int t = 0; t < 30; t++) {
        pf::clearscreen();
        drawnotice();
    }
    for (const auto& d : pf::ctl::drawcalls())
        if (d.path.find("sign.png") != std::string::npos) sign = true;
    EXPECT_TRUE(sign);
    in.mx = disp.midx;
    in.my = 86;
    in.mhit1 = 1;
    drawnotice();
    EXPECT_EQ(in.mhit1, 0) << "the click is the notice's";
    for (int t = 0; t < 20 && savestatus.notice; t++) drawnotice();
    EXPECT_EQ(savestatus.notice, NOTICE_NONE);
    savestatus.notice = NOTICE_RECREATED;
    for (int t = 0; t < NOTICETICKS + 1 && savestatus.notice; t++) drawnotice();
    EXPECT_EQ(savestatus.notice, NOTICE_NONE) << "it goes by itself";
}

// ---- the per-user folder -----------------------------------------------------

TEST_F(Damaged, StaleTemporaryFilesGoAtStartUp) {
    const char* stale[] = {"settings.txt.tmpAb12Cd", "players1.ppp.tmpXyZ123", "players15.ppp.bad2.tmp000000"};
    const char* kept[] = {"players1.ppp", "players1.ppp.bad", "notes.tmp", "settings.txt.tmp", "mine.tmpAb12Cd"};
    for (const char* n : stale) spit(core.userpath + n, "x");
    for (const char* n : kept)
        if (!fs::exists(core.userpath + n)) spit(core.userpath + n, "x");
    removestaletemps();
    for (const char* n : stale) EXPECT_FALSE(fs::exists(core.userpath + n)) << n;
    for (const char* n : kept) EXPECT_TRUE(fs::exists(core.userpath + n)) << n;
}

// A FIFO where a save file belongs must not hang the start: it reads as a
// missing file. Run in a child so a hang fails the test instead of the suite.
TEST_F(Damaged, AFifoUnderASaveNameDoesNotHang) {
    fs::remove(core.userpath + "settings.txt");
    fs::remove(playerfile(2));
    ASSERT_EQ(::mkfifo((core.userpath + "settings.txt").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo(playerfile(2).c_str(), 0644), 0);
    pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(10);
        loadsettings();
        loadplayers(0);
        ::_exit(players.p[1].playername == "Mia" ? 0 : 3);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// A file-size limit makes the write fail and be reported; it does not kill
// the game with SIGXFSZ, and the old file stays whole.
TEST_F(Damaged, AFileSizeLimitFailsTheSaveInsteadOfKillingTheGame) {
    std::string before = good();
    pid_t pid = ::fork();
    if (pid == 0) {
        pf::init(pf::Backend::headless);  // what the game does at start-up
        rlimit lim{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &lim);
        players.p[1].pearls = 1;
        bool ok = saveplayer(1);
        ::_exit(!ok && savestatus.notice == NOTICE_CANNOTSAVE ? 0 : 3);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(slurp(playerfile(1)), before);
}

struct UserFolder : ::testing::Test {
    TempDir dir;
    std::string savedhome, savedxdg;
    bool hadhome = false, hadxdg = false;
    void SetUp() override {
        headlessgame();
        if (const char* h = getenv("HOME")) hadhome = true, savedhome = h;
        if (const char* x = getenv("XDG_DATA_HOME")) hadxdg = true, savedxdg = x;
        setenv("TMPDIR", dir.path.c_str(), 1);
    }
    void TearDown() override {
        hadhome ? setenv("HOME", savedhome.c_str(), 1) : unsetenv("HOME");
        hadxdg ? setenv("XDG_DATA_HOME", savedxdg.c_str(), 1) : unsetenv("XDG_DATA_HOME");
        unsetenv("TMPDIR");
        ::chmod(dir.path.c_str(), 0755);
        ::chmod((dir.path / "ro").c_str(), 0755);
    }
};

// Where the saves go when the usual places cannot hold them, and that an
// existing folder is kept even when it cannot be written.

TEST_F(UserFolder, UnsetOrMissingHomesStillGiveAFolder) {
    unsetenv("HOME");
    unsetenv("XDG_DATA_HOME");
    auto bases = pf::appdatafolders();
    ASSERT_FALSE(bases.empty());
    for (const auto& b : bases) EXPECT_EQ(b.front(), '/') << b;
    // XDG pointing at a missing folder: it is made.
    setenv("XDG_DATA_HOME", (dir.path / "new" / "share").c_str(), 1);
    core = CoreState{};
    makepath();
    EXPECT_EQ(core.userpath.rfind((dir.path / "new" / "share").string(), 0), 0u) << core.userpath;
    EXPECT_EQ(core.firststart, 1);
    EXPECT_TRUE(fs::is_directory(core.userpath));
    // XDG pointing into a plain file: the next candidate is used, and said.
    spit((dir.path / "afile").string(), "x");
    setenv("XDG_DATA_HOME", (dir.path / "afile" / "share").c_str(), 1);
    setenv("HOME", (dir.path / "home").c_str(), 1);
    fs::create_directories(dir.path / "home");
    core = CoreState{};
    pf::ctl::clearlog();
    makepath();
    EXPECT_EQ(core.userpath.rfind((dir.path / "home" / ".local" / "share").string(), 0), 0u) << core.userpath;
    bool said = false;
    for (const auto& l : pf::ctl::loglines())
        if (l.find("per-user folder cannot be made") != std::string::npos) said = true;
    EXPECT_TRUE(said);
}

}  // namespace
