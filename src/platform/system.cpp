// The progress log, the per-user folder, the single-instance lock and the
// browser hand-off.
#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cstdint>
#include <set>

#include "platform/internal.h"

namespace pf {

namespace {

struct SystemState {
    std::vector<std::string> log;
    std::set<std::string> held;  // instance locks this process holds
    pid_t heldby = 0;            // a forked child holds none of its parent's
};
SystemState sys;

constexpr size_t kLogKeep = 4096;

}  // namespace

void logline(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    if (sys.log.size() >= kLogKeep) sys.log.erase(sys.log.begin(), sys.log.begin() + kLogKeep / 2);
    sys.log.push_back(text);
}

std::vector<std::string> appdatafolders() {
    std::vector<std::string> out;
    auto add = [&](std::string dir) {
        if (dir.empty() || dir[0] != '/') return;
        if (dir.back() != '/') dir += '/';
        for (const auto& o : out)
            if (o == dir) return;
        out.push_back(dir);
    };
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg) add(xdg);
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') add(std::string(home) + "/.local/share");
    // The account's own home, for a session whose HOME is unset or wrong.
    if (passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) add(std::string(pw->pw_dir) + "/.local/share");
    const char* tmp = std::getenv("TMPDIR");
    add(std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/tidewrack-" + std::to_string(unsigned(::getuid())));
    return out;
}

std::string appdatafolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::string dir;
    if (xdg && xdg[0] == '/') {
        dir = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || home[0] != '/') return "";
        dir = home;
        if (dir.back() != '/') dir += '/';
        dir += ".local/share";
    }
    if (dir.back() != '/') dir += '/';
    return dir;
}

// An abstract unix socket is the closest thing to a named mutex: no file is
// created, and the kernel releases the name when the process dies, however
// it dies.
bool singleinstance(const std::string& name) {
    if (sys.heldby != ::getpid()) {
        sys.held.clear();
        sys.heldby = ::getpid();
    }
    if (sys.held.count(name)) return true;
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return true;  // cannot tell: let the game run
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    // One lock per user and per-user data folder: two games that cannot
    // share a save file (a harness or a test with its own data folder) do not
    // block each other, while a second copy on the same saves is refused.
    std::uint32_t h = 2166136261u;  // FNV-1a: the same key from every build
    for (unsigned char c : appdatafolder()) h = (h ^ c) * 16777619u;
    std::string key = name + "-" + std::to_string(unsigned(::getuid())) + "-" + std::to_string(h);
    size_t n = std::min(key.size(), sizeof addr.sun_path - 1);
    std::memcpy(addr.sun_path + 1, key.data(), n);
    socklen_t len = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + n);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0) {
        int err = errno;
        ::close(fd);
        return err != EADDRINUSE;
    }
    sys.held.insert(name);  // the descriptor stays open for the process's life
    return true;
}

namespace detail {

// Starts the desktop's URL opener without a shell, detached so that no
// zombie is left behind.
void launchurl(const std::string& url) {
    pid_t pid = ::fork();
    if (pid < 0) return;
    if (pid == 0) {
        if (::fork() == 0) {
            ::setsid();
            ::execlp("xdg-open", "xdg-open", url.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::_exit(0);
    }
    int status;
    ::waitpid(pid, &status, 0);
}

}  // namespace detail

namespace ctl {
const std::vector<std::string>& loglines() { return sys.log; }
void clearlog() { sys.log.clear(); }
}  // namespace ctl

}  // namespace pf
