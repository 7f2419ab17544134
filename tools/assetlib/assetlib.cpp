#include "assetlib.h"

#include <jpeglib.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>

namespace fs = std::filesystem;

namespace al {

namespace {
std::string g_root = "data";
int g_failures = 0;
std::vector<std::pair<const char*, GenFn>>& registry() {
    static std::vector<std::pair<const char*, GenFn>> r;
    return r;
}
}  // namespace

void setoutroot(const std::string& dir) { g_root = dir; }
const std::string& outroot() { return g_root; }

std::string out(const std::string& rel) {
    fs::path p = fs::path(g_root) / rel;
    fs::create_directories(p.parent_path());
    return p.string();
}

void fail(const std::string& what) {
    std::cerr << "assetgen: " << what << "\n";
    g_failures++;
}

cairo_surface_t* newsurface(int w, int h) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(s);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_destroy(cr);
    return s;
}

bool savepng(cairo_surface_t* s, const std::string& rel) {
    cairo_surface_flush(s);
    if (cairo_surface_write_to_png(s, out(rel).c_str()) != CAIRO_STATUS_SUCCESS) {
        fail("cannot write " + rel);
        return false;
    }
    return true;
}

// Un-premultiplied RGB of one ARGB32 pixel over black (JPEG has no alpha).
static void rgbof(uint32_t px, unsigned char* o) {
    o[0] = (px >> 16) & 255;
    o[1] = (px >> 8) & 255;
    o[2] = px & 255;
}

bool savejpg(cairo_surface_t* s, const std::string& rel, int quality) {
    cairo_surface_flush(s);
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    int stride = cairo_image_surface_get_stride(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    FILE* f = std::fopen(out(rel).c_str(), "wb");
    if (!f) {
        fail("cannot write " + rel);
        return false;
    }
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = w;
    c.image_height = h;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(w * 3);
    while (c.next_scanline < c.image_height) {
        const uint32_t* src = reinterpret_cast<const uint32_t*>(data + c.next_scanline * stride);
        for (int x = 0; x < w; x++) rgbof(src[x], &row[x * 3]);
        JSAMPROW rp = row.data();
        jpeg_write_scanlines(&c, &rp, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(f);
    return true;
}

// An .ico holding one 32 x 32 32-bit BMP image.
bool saveico(cairo_surface_t* s, const std::string& rel) {
    cairo_surface_flush(s);
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    if (w != 32 || h != 32) {
        fail("icon must be 32 x 32: " + rel);
        return false;
    }
    int stride = cairo_image_surface_get_stride(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    std::string b;
    auto u16 = [&](unsigned v) { b.push_back(char(v & 255)); b.push_back(char(v >> 8)); };
    auto u32 = [&](unsigned v) { u16(v & 0xffff); u16(v >> 16); };
    const unsigned pixbytes = 32 * 32 * 4, maskbytes = 32 * 4, bmpsize = 40 + pixbytes + maskbytes;
    u16(0); u16(1); u16(1);                      // header: icon, one image
    b.push_back(32); b.push_back(32); b.push_back(0); b.push_back(0);
    u16(1); u16(32); u32(bmpsize); u32(22);      // planes, bpp, size, offset
    u32(40); u32(32); u32(64); u16(1); u16(32);  // BITMAPINFOHEADER (height doubled)
    u32(0); u32(pixbytes + maskbytes); u32(0); u32(0); u32(0); u32(0);
    for (int y = h - 1; y >= 0; y--) {           // bottom-up BGRA, un-premultiplied
        const uint32_t* src = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < w; x++) {
            uint32_t px = src[x];
            unsigned a = px >> 24, r = (px >> 16) & 255, g = (px >> 8) & 255, bl = px & 255;
            if (a > 0 && a < 255) { r = r * 255 / a; g = g * 255 / a; bl = bl * 255 / a; }
            b.push_back(char(bl)); b.push_back(char(g)); b.push_back(char(r)); b.push_back(char(a));
        }
    }
    b.append(maskbytes, '\0');
    return savetext(rel, b);
}

bool savetext(const std::string& rel, const std::string& bytes) {
    std::ofstream f(out(rel), std::ios::binary);
    f.write(bytes.data(), std::streamsize(bytes.size()));
    if (!f) {
        fail("cannot write " + rel);
        return false;
    }
    return true;
}

bool saveogg(const std::vector<float>& samples, int channels, int rate, const std::string& rel, float quality) {
    FILE* f = std::fopen(out(rel).c_str(), "wb");
    if (!f) {
        fail("cannot write " + rel);
        return false;
    }
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, quality) != 0) {
        std::fclose(f);
        fail("vorbis setup failed for " + rel);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "tidewrack assetgen");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x7ede);
    ogg_packet hdr, hdrc, hdrcode;
    vorbis_analysis_headerout(&vd, &vc, &hdr, &hdrc, &hdrcode);
    ogg_stream_packetin(&os, &hdr);
    ogg_stream_packetin(&os, &hdrc);
    ogg_stream_packetin(&os, &hdrcode);
    ogg_page og;
    while (ogg_stream_flush(&os, &og)) {
        std::fwrite(og.header, 1, og.header_len, f);
        std::fwrite(og.body, 1, og.body_len, f);
    }
    size_t frames = samples.size() / channels, pos = 0;
    bool eos = false;
    while (!eos) {
        size_t n = std::min<size_t>(1024, frames - pos);
        if (n > 0) {
            float** buf = vorbis_analysis_buffer(&vd, int(n));
            for (size_t i = 0; i < n; i++)
                for (int c = 0; c < channels; c++) buf[c][i] = samples[(pos + i) * channels + c];
            vorbis_analysis_wrote(&vd, int(n));
            pos += n;
        } else {
            vorbis_analysis_wrote(&vd, 0);
        }
        ogg_packet op;
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (!eos && ogg_stream_pageout(&os, &og)) {
                    std::fwrite(og.header, 1, og.header_len, f);
                    std::fwrite(og.body, 1, og.body_len, f);
                    if (ogg_page_eos(&og)) eos = true;
                }
            }
        }
        if (n == 0 && !eos) {
            // all input written and every packet flushed: force the last page out
            while (ogg_stream_flush(&os, &og)) {
                std::fwrite(og.header, 1, og.header_len, f);
                std::fwrite(og.body, 1, og.body_len, f);
            }
            eos = true;
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    std::fclose(f);
    return true;
}

bool savewav(const std::vector<float>& samples, int channels, int rate, const std::string& rel) {
    std::string b;
    auto u16 = [&](unsigned v) { b.push_back(char(v & 255)); b.push_back(char((v >> 8) & 255)); };
    auto u32 = [&](unsigned v) { u16(v & 0xffff); u16(v >> 16); };
    unsigned datalen = unsigned(samples.size() * 2);
    b += "RIFF"; u32(36 + datalen); b += "WAVEfmt ";
    u32(16); u16(1); u16(channels); u32(rate); u32(rate * channels * 2); u16(channels * 2); u16(16);
    b += "data"; u32(datalen);
    for (float s : samples) {
        float c = std::max(-1.0f, std::min(1.0f, s));
        u16(unsigned(int(std::lround(c * 32767.0f))) & 0xffff);
    }
    return savetext(rel, b);
}

int registergen(const char* name, GenFn fn) {
    registry().emplace_back(name, fn);
    return int(registry().size());
}

int runall(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " DATA_FOLDER [GENERATOR...]\n";
        return 2;
    }
    setoutroot(argv[1]);
    auto& r = registry();
    std::sort(r.begin(), r.end(), [](auto& a, auto& b) { return std::strcmp(a.first, b.first) < 0; });
    for (auto& [name, fn] : r) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; i++) wanted |= std::strcmp(argv[i], name) == 0;
        if (!wanted) continue;
        auto t0 = std::chrono::steady_clock::now();
        fn();
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        std::cout << "  " << name << " " << int(ms) << " ms\n";
    }
    return g_failures ? 1 : 0;
}

}  // namespace al
