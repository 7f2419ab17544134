// Game paths: "\" and "/" both separate, runs count as one, and each name
// matches what is on disk regardless of case (the assets were written on a
// system that ignores case).
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/internal.h"

// The installed share folder, as the build configured it: absolute, and as
// seen from the installed executable's folder, so that an install moved to
// another prefix (or staged with DESTDIR) still finds its data.
#ifndef TW_INSTALL_DATADIR
#define TW_INSTALL_DATADIR "/usr/local/share/tidewrack"
#endif
#ifndef TW_INSTALL_DATADIR_FROM_BIN
#define TW_INSTALL_DATADIR_FROM_BIN "../share/tidewrack"
#endif

namespace pf {

namespace {

struct PathState {
    std::string dataroot;  // "" until first needed or set
};
PathState ps;

bool exists(const std::string& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0;
}

bool isdir(const std::string& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> split(const std::string& path) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : path) {
        if (c == '/' || c == '\\') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

// The entry of dir whose name equals name ignoring ASCII case; name itself
// when it exists exactly or nothing matches.
std::string matchname(const std::string& dir, const std::string& name) {
    if (name == "." || name == "..") return name;
    std::string base = dir.empty() ? "." : dir;
    std::string exact = dir.empty() ? name : (dir.back() == '/' ? dir + name : dir + "/" + name);
    if (exists(exact)) return name;
    DIR* d = ::opendir(base.c_str());
    if (!d) return name;
    std::string found = name;
    while (dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, name.c_str()) == 0) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(d);
    return found;
}

std::string join(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

std::string exefolder() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    std::string p(buf, size_t(n));
    size_t slash = p.rfind('/');
    return slash == std::string::npos ? "" : p.substr(0, slash == 0 ? 1 : slash);
}

// A folder named data is the game's only when it holds the game's texts: a
// player's own ~/data must not win when the menu starts the game from home.
bool holdsdata(const std::string& dir) {
    std::string data = join(dir, matchname(dir, "data"));
    if (!isdir(data)) return false;
    std::string texts = join(data, matchname(data, "texts"));
    return exists(join(texts, matchname(texts, "menutexts.txt")));
}

std::string finddataroot() {
    char buf[PATH_MAX];
    if (::getcwd(buf, sizeof buf)) {
        std::string cwd = buf;
        if (holdsdata(cwd)) return cwd;
    }
    std::string exe = exefolder();
    if (!exe.empty()) {
        if (holdsdata(exe)) return exe;
        // Tools and tests live one folder below the data folder's parent.
        size_t slash = exe.rfind('/');
        if (slash != std::string::npos && slash > 0 && holdsdata(exe.substr(0, slash))) return exe.substr(0, slash);
        char real[PATH_MAX];
        std::string installed = join(exe, TW_INSTALL_DATADIR_FROM_BIN);
        if (::realpath(installed.c_str(), real) && holdsdata(real)) return real;
    }
    return TW_INSTALL_DATADIR;
}

}  // namespace

void setdataroot(const std::string& dir) { ps.dataroot = dir; }

std::string dataroot() {
    if (ps.dataroot.empty()) {
        ps.dataroot = finddataroot();
        // Which of the candidate folders won is the first thing to know when
        // an installed game shows no pictures.
        logline("Datapath: " + ps.dataroot);
    }
    return ps.dataroot;
}

std::string resolvepath(const std::string& path) {
    std::vector<std::string> parts = split(path);
    bool absolute = !path.empty() && (path[0] == '/' || path[0] == '\\');
    std::string dir;
    if (absolute) {
        dir = "/";
    } else if (!parts.empty() && ::strcasecmp(parts[0].c_str(), "data") == 0) {
        dir = dataroot();
    }
    if (parts.empty()) return absolute ? "/" : (dir.empty() ? "." : dir);

    // The common case: the path exists exactly as written.
    std::string straight = dir;
    for (const auto& p : parts) straight = join(straight, p);
    if (exists(straight)) return straight;

    bool matching = true;  // once a name is missing, the rest is kept as given
    for (const auto& p : parts) {
        std::string name = matching ? matchname(dir, p) : p;
        dir = join(dir, name);
        if (matching && !exists(dir)) matching = false;
    }
    return dir;
}

}  // namespace pf
