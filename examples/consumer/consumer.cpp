// Solves the matrix-form model in the file named on the command line
// through the zep library and prints the outcome report, without the
// command-line handling of zep-solve (no options, no banner).
#include <cstdio>
#include <cstring>
#include <memory>

#include "driver/solve.h"
#include "store/store.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s model-file\n", argv[0]);
        return 2;
    }
    auto s = std::make_unique<zep::Store>();
    // The matrix reader names the file from buf in its first line.
    if (std::strlen(argv[1]) >= sizeof s->buf) {
        std::fprintf(stderr, "model file name too long: %s\n", argv[1]);
        return 2;
    }
    std::strcpy(s->buf, argv[1]);
    s->luin = std::fopen(s->buf, "r");
    if (!s->luin) {
        std::fprintf(stderr, "cannot open %s\n", s->buf);
        return 2;
    }
    zep::initParam(*s);
    int status = 0;
    try {
        zep::solve(*s);
    } catch (const zep::ProcessEnd& end) {
        status = end.status;
    }
    std::fflush(s->out);
    std::fclose(s->luin);
    return status;
}
