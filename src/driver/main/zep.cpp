#include "driver/run.h"
#include "driver/program.h"

int main(int argc, char** argv) {
    return zep::runProgram(argc, argv, zep::commandLineRun);
}
