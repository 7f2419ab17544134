// Every file the manifest promises must be in the generated data folder, at
// the promised size; the game itself never complains about a missing picture,
// so this is where such a fault shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Entry {
    std::string path, kind;
    int w = 0, h = 0, cellw = 0, cellh = 0, count = 0;
    int line = 0;
};

std::vector<Entry> readmanifest(const std::string& file) {
    std::vector<Entry> out;
    std::ifstream in(file);
    std::string s;
    int n = 0;
    while (std::getline(in, s)) {
        ++n;
        if (!s.empty() && s.back() == '\r') s.pop_back();
        if (s.empty() || s[0] == '#') continue;
        std::istringstream ls(s);
        Entry e;
        e.line = n;
        ls >> e.path >> e.kind >> e.w >> e.h >> e.cellw >> e.cellh >> e.count;
        if (ls.fail()) e.kind = "malformed";
        out.push_back(e);
    }
    return out;
}

std::vector<uint8_t> readbytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Width and height from the PNG header (IHDR follows the 8-byte signature).
bool pngsize(const std::vector<uint8_t>& b, int& w, int& h) {
    static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (b.size() < 24 || !std::equal(sig, sig + 8, b.begin())) return false;
    if (b[12] != 'I' || b[13] != 'H' || b[14] != 'D' || b[15] != 'R') return false;
    auto be32 = [&](size_t o) { return int((b[o] << 24) | (b[o + 1] << 16) | (b[o + 2] << 8) | b[o + 3]); };
    w = be32(16);
    h = be32(20);
    return true;
}

// Width and height from the first start-of-frame segment of a JPEG.
bool jpgsize(const std::vector<uint8_t>& b, int& w, int& h) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return false;
    size_t i = 2;
    while (i + 4 <= b.size()) {
        if (b[i] != 0xFF) return false;
        uint8_t m = b[i + 1];
        if (m == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        size_t len = (size_t(b[i + 2]) << 8) | b[i + 3];
        bool sof = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (sof) {
            if (i + 9 > b.size()) return false;
            h = (b[i + 5] << 8) | b[i + 6];
            w = (b[i + 7] << 8) | b[i + 8];
            return true;
        }
        if (m == 0xD9 || m == 0xDA) return false;  // no frame before the scan
        i += 2 + len;
    }
    return false;
}

// Size of the first image of an icon file (a byte of 0 means 256).
bool icosize(const std::vector<uint8_t>& b, int& w, int& h) {
    if (b.size() < 22 || b[0] != 0 || b[1] != 0 || b[2] != 1 || b[3] != 0 || (b[4] | b[5]) == 0) return false;
    w = b[6] ? b[6] : 256;
    h = b[7] ? b[7] : 256;
    return true;
}

// "" when the file matches its entry, otherwise what is wrong.
std::string check(const Entry& e, const fs::path& root) {
    fs::path p = root / e.path;
    if (e.kind == "malformed") return "malformed manifest line";
    if (!fs::is_regular_file(p)) return "missing";
    auto b = readbytes(p);
    if (b.empty()) return "empty file";
    if (e.kind == "txt") return "";
    // Sounds: the container's magic is enough here; the sound tests play them.
    if (e.kind == "ogg") return b.size() > 4 && std::string(b.begin(), b.begin() + 4) == "OggS" ? "" : "not an Ogg file";
    if (e.kind == "wav")
        return b.size() > 12 && std::string(b.begin(), b.begin() + 4) == "RIFF" &&
                       std::string(b.begin() + 8, b.begin() + 12) == "WAVE"
                   ? ""
                   : "not a WAV file";
    // Level files: 1468 little-endian integers.
    if (e.kind == "lvl") return b.size() == 1468 * 4 ? "" : "a level file holds 1468 integers";
    int w = -1, h = -1;
    bool ok = e.kind == "png" ? pngsize(b, w, h)
            : e.kind == "jpg" ? jpgsize(b, w, h)
            : e.kind == "ico" ? icosize(b, w, h)
                              : false;
    if (!ok) return "not a readable " + e.kind + " header";
    if (w != e.w || h != e.h)
        return "is " + std::to_string(w) + "x" + std::to_string(h) + ", manifest says " + std::to_string(e.w) + "x" +
               std::to_string(e.h);
    if (e.cellw > 0 && e.cellh > 0) {
        if (w % e.cellw || h % e.cellh) return "size is not a whole number of cells";
        if (e.count > (w / e.cellw) * (h / e.cellh)) return "fewer cells than the count";
    }
    return "";
}

const std::string kManifest = std::string(TW_SOURCE_DIR) + "/assets/manifest.txt";

}  // namespace

TEST(Manifest, LinesAreWellFormedAndUnique) {
    auto entries = readmanifest(kManifest);
    ASSERT_FALSE(entries.empty()) << kManifest;
    std::set<std::string> seen;
    for (auto& e : entries) {
        SCOPED_TRACE("line " + std::to_string(e.line) + ": " + e.path);
        EXPECT_NE(e.kind, "malformed");
        static const std::set<std::string> kinds = {"png", "jpg", "ico", "txt", "ogg", "wav", "lvl"};
        EXPECT_TRUE(kinds.count(e.kind)) << e.kind;
        EXPECT_TRUE(seen.insert(e.path).second) << "listed twice";
        // the game folds case and separators; the files are written lower case with '/'
        for (char c : e.path) {
            EXPECT_FALSE(c >= 'A' && c <= 'Z') << "upper case in path";
            EXPECT_NE(c, '\\');
        }
        EXPECT_EQ(e.cellw > 0, e.cellh > 0) << "cell width and height go together";
    }
}

TEST(Manifest, EveryFileIsGeneratedAtItsSize) {
    auto entries = readmanifest(kManifest);
    ASSERT_FALSE(entries.empty());
    for (auto& e : entries) EXPECT_EQ(check(e, TW_DATA_DIR), "") << e.path << " (manifest line " << e.line << ")";
}

// The checker itself must see the faults it is there for: a missing file, a
// picture of the wrong size, a size that does not split into its cells, and
// a file that is not what its kind says.
TEST(Manifest, CheckerCatchesMissingAndWrongSizes) {
    fs::path dir = fs::temp_directory_path() / "tw_manifest_fixture";
    fs::create_directories(dir);
    auto writepng = [&](const char* name, uint32_t w, uint32_t h) {
        std::vector<uint8_t> b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
        for (uint32_t v : {w, h})
            for (int s = 24; s >= 0; s -= 8) b.push_back(uint8_t(v >> s));
        b.insert(b.end(), {8, 6, 0, 0, 0});
        std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<char*>(b.data()), b.size());
    };
    auto writejpg = [&](const char* name, int w, int h) {
        // SOI, an APP0 segment to skip, then SOF0 with the size
        std::vector<uint8_t> b = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 'J', 'F', 0xFF, 0xC0, 0, 11, 8,
                                  uint8_t(h >> 8), uint8_t(h), uint8_t(w >> 8), uint8_t(w), 1, 1, 0x11, 0, 0xFF, 0xD9};
        std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<char*>(b.data()), b.size());
    };
    writepng("a.png", 40, 20);
    writejpg("b.jpg", 1366, 768);
    std::ofstream(dir / "c.png") << "not a picture";

    struct Case {
        Entry e;
        bool good;
    };
    const Case cases[] = {
        {{"a.png", "png", 40, 20, 0, 0, 0}, true},
        {{"a.png", "png", 40, 20, 10, 10, 8}, true},
        {{"a.png", "png", 40, 21, 0, 0, 0}, false},    // wrong height
        {{"a.png", "png", 40, 20, 12, 10, 0}, false},  // 40 is not a multiple of 12
        {{"a.png", "png", 40, 20, 10, 10, 9}, false},  // only 8 cells fit
        {{"b.jpg", "jpg", 1366, 768, 1366, 4, 192}, true},
        {{"b.jpg", "jpg", 1024, 768, 0, 0, 0}, false},
        {{"b.jpg", "png", 1366, 768, 0, 0, 0}, false},  // kind does not match the bytes
        {{"c.png", "png", 1, 1, 0, 0, 0}, false},
        {{"gone.png", "png", 1, 1, 0, 0, 0}, false},
        {{"gone.txt", "txt", 0, 0, 0, 0, 0}, false},
    };
    for (auto& c : cases) {
        std::string r = check(c.e, dir);
        EXPECT_EQ(r.empty(), c.good) << c.e.path << " " << c.e.w << "x" << c.e.h << " cells " << c.e.cellw << "x"
                                     << c.e.cellh << " -> \"" << r << "\"";
    }
    fs::remove_all(dir);
}
