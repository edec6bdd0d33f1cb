#include <cstdio>

#include "driver/convert.h"
#include "driver/program.h"

int main(int argc, char** argv) {
    return zep::runProgram(
        argc, argv, [](zep::Store& s, int n, char** args) { zep::convertRun(s, n, args, stderr); });
}
