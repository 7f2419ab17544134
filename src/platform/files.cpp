// Byte and text file streams, and the crash-safe write used for the
// settings and the profiles.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/internal.h"

struct pf::Stream {
    std::FILE* f = nullptr;
    bool writing = false;
    bool safe = false;
    bool failed = false;
    long size = 0;            // length of a file opened for reading
    std::string target;       // safe write: the file replaced at close
    std::string temp;         // safe write: where the bytes go first
};

namespace pf {

namespace {

struct FileState {
    long failafter = -1;  // bytes still allowed before writes fail, -1 off
};
FileState fs;

std::string folderof(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

void syncfolder(const std::string& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Every write goes through here so that the failure injector sees it.
void put(Stream* s, const void* data, size_t n) {
    if (!s || !s->writing || s->failed || n == 0) return;
    size_t allowed = n;
    if (fs.failafter >= 0 && long(n) > fs.failafter) {
        allowed = size_t(fs.failafter);
        s->failed = true;
    }
    if (fs.failafter >= 0) fs.failafter -= long(allowed);
    if (allowed && std::fwrite(data, 1, allowed, s->f) != allowed) s->failed = true;
}

}  // namespace

Stream* readfile(const std::string& path) {
    std::string p = resolvepath(path);
    // Opened without blocking and checked before any byte is read: a FIFO or
    // a device under a save file's name must not hang the game.
    int fd = ::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    int fl = ::fcntl(fd, F_GETFL);
    if (fl >= 0) ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        ::close(fd);
        return nullptr;
    }
    auto* s = new Stream;
    s->f = f;
    s->size = long(st.st_size);
    return s;
}

Stream* writefile(const std::string& path) {
    std::string p = resolvepath(path);
    std::FILE* f = std::fopen(p.c_str(), "wb");
    if (!f) return nullptr;
    auto* s = new Stream;
    s->f = f;
    s->writing = true;
    return s;
}

Stream* writefilesafe(const std::string& path) {
    std::string p = resolvepath(path);
    std::string tmpl = p + ".tmpXXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back(0);
    int fd = ::mkstemp(buf.data());
    if (fd < 0) return nullptr;
    ::fchmod(fd, 0644);
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        ::close(fd);
        ::unlink(buf.data());
        return nullptr;
    }
    auto* s = new Stream;
    s->f = f;
    s->writing = true;
    s->safe = true;
    s->target = p;
    s->temp = buf.data();
    return s;
}

bool closefile(Stream* s) {
    if (!s) return false;
    bool ok = !s->failed;
    if (s->writing) {
        if (std::fflush(s->f) != 0) ok = false;
        if (s->safe && ok && ::fsync(fileno(s->f)) != 0) ok = false;
    }
    if (std::fclose(s->f) != 0) ok = false;
    if (s->safe) {
        if (ok && std::rename(s->temp.c_str(), s->target.c_str()) != 0) ok = false;
        if (ok) syncfolder(folderof(s->target));
        else ::unlink(s->temp.c_str());
    }
    delete s;
    return ok;
}

std::string readline(Stream* s) {
    std::string line;
    if (!s || s->writing) return line;
    for (;;) {
        int c = getc_unlocked(s->f);
        if (c == EOF || c == 10 || c == 0) break;
        if (c == 13) continue;
        line += char(c);
    }
    return line;
}

void writeline(Stream* s, const std::string& text) {
    std::string bytes = text;
    bytes += "\r\n";
    put(s, bytes.data(), bytes.size());
}

int readint(Stream* s) {
    if (!s || s->writing) return 0;
    unsigned char b[4];
    if (std::fread(b, 1, 4, s->f) != 4) return 0;
    std::uint32_t v = std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
                      (std::uint32_t(b[3]) << 24);
    return int(std::int32_t(v));
}

void writeint(Stream* s, int v) {
    std::uint32_t u = std::uint32_t(v);
    unsigned char b[4] = {(unsigned char)(u & 255), (unsigned char)((u >> 8) & 255),
                          (unsigned char)((u >> 16) & 255), (unsigned char)((u >> 24) & 255)};
    put(s, b, 4);
}

std::string readstring(Stream* s, int n) {
    if (!s || s->writing || n <= 0) return "";
    long pos = std::ftell(s->f);
    long left = pos < 0 ? 0 : s->size - pos;
    // A hostile length must not turn into a huge allocation.
    long want = std::min<long>(n, std::max<long>(left, 0));
    std::string out(size_t(want), '\0');
    size_t got = want ? std::fread(out.data(), 1, size_t(want), s->f) : 0;
    out.resize(got);
    return out;
}

void writestring(Stream* s, const std::string& text) { put(s, text.data(), text.size()); }

bool endoffile(Stream* s) {
    if (!s || s->writing) return true;
    int c = getc_unlocked(s->f);
    if (c == EOF) return true;
    ungetc(c, s->f);
    return false;
}

int filetype(const std::string& path) {
    struct stat st;
    if (::stat(resolvepath(path).c_str(), &st) != 0) return 0;
    if (S_ISDIR(st.st_mode)) return 2;
    return 1;
}

bool createdir(const std::string& path, bool recurse) {
    std::string p = resolvepath(path);
    if (!recurse) return ::mkdir(p.c_str(), 0755) == 0 || (errno == EEXIST && filetype(p) == 2);
    std::string cur;
    size_t i = 0;
    if (!p.empty() && p[0] == '/') {
        cur = "/";
        i = 1;
    }
    while (i <= p.size()) {
        size_t j = p.find('/', i);
        if (j == std::string::npos) j = p.size();
        std::string name = p.substr(i, j - i);
        if (!name.empty()) {
            cur += name;
            ::mkdir(cur.c_str(), 0755);
            cur += "/";
        }
        i = j + 1;
    }
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool deletefile(const std::string& path) {
    std::string p = resolvepath(path);
    struct stat st;
    if (::stat(p.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    return ::unlink(p.c_str()) == 0;
}

std::vector<std::string> listfolder(const std::string& path) {
    std::vector<std::string> names;
    DIR* d = ::opendir(resolvepath(path).c_str());
    if (!d) return names;
    while (dirent* e = ::readdir(d)) {
        std::string n = e->d_name;
        if (n != "." && n != "..") names.push_back(n);
    }
    ::closedir(d);
    return names;
}

bool folderwritable(const std::string& path) {
    std::string p = resolvepath(path);
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(p.c_str(), W_OK | X_OK) == 0;
}

long filesize(const std::string& path) {
    struct stat st;
    if (::stat(resolvepath(path).c_str(), &st) != 0) return -1;
    return long(st.st_size);
}

namespace ctl {
void failwritesafter(int bytes) { fs.failafter = bytes < 0 ? -1 : bytes; }
}  // namespace ctl

}  // namespace pf
