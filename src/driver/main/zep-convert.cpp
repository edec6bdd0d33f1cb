#include <cstdio>

#include "driver/convert.h"

int main(int argc, char** argv) {
    auto s = zep::detail::newStore();
    int status = 0;
    try {
        zep::detail::convertRun(*s, argc, argv, stderr);
    } catch (const zep::detail::ProcessEnd& end) {
        status = end.status;
    }
    std::fflush(s->out);
    std::fflush(stderr);
    if (s->luin) std::fclose(s->luin);
    return status;
}
