#include <cstdio>

#include "driver/parse.h"

int main(int argc, char** argv) {
    auto s = zep::newStore();
    int status = 0;
    try {
        zep::parseRun(*s, argc, argv);
    } catch (const zep::ProcessEnd& end) {
        status = end.status;
    }
    std::fflush(s->out);
    return status;
}
