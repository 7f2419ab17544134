// soundgen DATA_FOLDER [GENERATOR...] [--table FILE]: makes the sound set and
// the soundtrack; --table also writes the length and level of every file.
#include <cstring>
#include <string>
#include <vector>

#include "assetlib.h"
#include "report.h"

int main(int argc, char** argv) {
    std::vector<char*> args;
    std::string table;
    for (int i = 0; i < argc; i++) {
        if (std::strcmp(argv[i], "--table") == 0 && i + 1 < argc) table = argv[++i];
        else args.push_back(argv[i]);
    }
    int rc = al::runall(int(args.size()), args.data());
    if (!table.empty()) sg::writetable(table);
    return rc;
}
