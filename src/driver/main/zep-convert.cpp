#include <cstdio>

#include "driver/convert.h"
#include "driver/program.h"

int main(int argc, char** argv) {
    return zep::detail::runProgram(argc, argv, [](zep::detail::Store& s, int n, char** args) {
        zep::detail::convertRun(s, n, args, stderr);
    });
}
