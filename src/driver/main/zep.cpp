#include "driver/program.h"
#include "driver/run.h"

int main(int argc, char** argv) {
    return zep::runProgram(argc, argv, zep::commandLineRun);
}
