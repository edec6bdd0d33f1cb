#include <cstdio>

#include "driver/solve.h"

int main(int argc, char** argv) {
    auto s = zep::newStore();
    int status = 0;
    try {
        zep::solveRun(*s, argc, argv);
    } catch (const zep::ProcessEnd& end) {
        status = end.status;
    }
    std::fflush(s->out);
    return status;
}
