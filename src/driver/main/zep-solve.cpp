#include "driver/program.h"
#include "driver/solve.h"

int main(int argc, char** argv) {
    return zep::detail::runProgram(argc, argv, zep::detail::solveRun);
}
