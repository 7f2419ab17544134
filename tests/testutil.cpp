#include "platform/control.h"
#include "testutil.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <random>

#include "core/globals.h"
#include "app/startup.h"
#include "core/loop.h"
#include "core/settings.h"

void headlessgame(int seed) {
    pf::init(pf::Backend::headless);
    resetgame();
    // The folder that holds the generated "data" folder.
    pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
    pf::ctl::virtualclock(true, 1000);
    pf::ctl::fixedseed(true, seed);
    // Saves made by a test land in a scratch folder, never in the checkout.
    static TempDir userdir;
    core.userpath = userdir.str();
    settings.fullscreen = 0;
    checkvideo();
    instgraphic();
    core.maintimer = pf::createtimer(50);
    core.sectimer = pf::createtimer(1);
}

TempDir::TempDir() {
    std::random_device rd;
    path = std::filesystem::temp_directory_path() / ("twtest-" + std::to_string(rd()));
    std::filesystem::create_directories(path);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

void looppointer(float x, float y) { pf::ctl::pointer(int(x / 1.28f + 0.5f), int(y / 1.28f + 0.5f)); }

void loopticks(int n) {
    for (int i = 0; i < n; i++) maintick();
}

void loopclick(float x, float y) {
    looppointer(x, y);
    maintick();
    pf::ctl::click(1);
    maintick();
}

namespace {

// The PNG writer's pieces: CRC, big-endian words, chunks.
std::uint32_t crc(const std::uint8_t* d, size_t n, std::uint32_t c = 0xFFFFFFFFu) {
    for (size_t i = 0; i < n; i++) {
        c ^= d[i];
        for (int k = 0; k < 8; k++) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c;
}

void be32(std::string& s, std::uint32_t v) {
    for (int i = 3; i >= 0; i--) s += char((v >> (8 * i)) & 255);
}

void chunk(std::string& png, const char* type, const std::string& data) {
    be32(png, std::uint32_t(data.size()));
    std::string body = std::string(type, 4) + data;
    png += body;
    be32(png, crc(reinterpret_cast<const std::uint8_t*>(body.data()), body.size()) ^ 0xFFFFFFFFu);
}

}  // namespace

void writepng(const std::string& path, int w, int h, const std::vector<std::uint8_t>& rgba) {
    std::string raw;
    for (int y = 0; y < h; y++) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(&rgba[size_t(y) * size_t(w) * 4]), size_t(w) * 4);
    }
    std::string z = "\x78\x01";
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) a = (a + c) % 65521, b = (b + a) % 65521;
    for (size_t off = 0; off < raw.size() || off == 0; off += 65535) {
        size_t n = std::min<size_t>(65535, raw.size() - off);
        z += char(off + n >= raw.size() ? 1 : 0);
        z += char(n & 255), z += char(n >> 8), z += char(~n & 255), z += char((~n >> 8) & 255);
        z += raw.substr(off, n);
        if (raw.empty()) break;
    }
    be32(z, (b << 16) | a);
    std::string ihdr;
    be32(ihdr, std::uint32_t(w));
    be32(ihdr, std::uint32_t(h));
    ihdr += std::string("\x08\x06\x00\x00\x00", 5);
    std::string png = "\x89PNG\r\n\x1a\n";
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", "");
    std::ofstream(path, std::ios::binary) << png;
}

