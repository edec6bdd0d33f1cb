#include <cstdio>
#include <memory>

#include "driver/convert.h"

int main(int argc, char** argv) {
    auto s = std::make_unique<zep::Store>();
    int status = 0;
    try {
        zep::convertRun(*s, argc, argv, stderr);
    } catch (const zep::ProcessEnd& end) {
        status = end.status;
    }
    std::fflush(s->out);
    std::fflush(stderr);
    if (s->luin) std::fclose(s->luin);
    return status;
}
