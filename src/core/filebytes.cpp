#include "core/filebytes.h"

#include "platform/platform.h"

bool readfilebytes(const std::string& path, std::string& out, std::size_t maxbytes) {
    out.clear();
    pf::Stream* f = pf::readfile(path);
    if (!f) return false;
    while (out.size() < maxbytes && !pf::endoffile(f)) {
        std::size_t want = maxbytes - out.size();
        std::string chunk = pf::readstring(f, static_cast<int>(want < 65536 ? want : 65536));
        if (chunk.empty()) break;
        out += chunk;
    }
    pf::closefile(f);
    return true;
}
