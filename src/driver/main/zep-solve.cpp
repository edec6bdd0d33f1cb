#include <cstdio>

#include "driver/solve.h"

int main(int argc, char** argv) {
    auto s = zep::detail::newStore();
    int status = 0;
    try {
        zep::detail::solveRun(*s, argc, argv);
    } catch (const zep::detail::ProcessEnd& end) {
        status = end.status;
    }
    std::fflush(s->out);
    return status;
}
