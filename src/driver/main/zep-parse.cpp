#include "driver/parse.h"
#include "driver/program.h"

int main(int argc, char** argv) {
    return zep::runProgram(argc, argv, zep::parseRun);
}
