#include "driver/program.h"
#include "driver/solve.h"

int main(int argc, char** argv) {
    return zep::runProgram(argc, argv, zep::solveRun);
}
