#include "driver/parse.h"
#include "driver/program.h"

int main(int argc, char** argv) {
    return zep::detail::runProgram(argc, argv, zep::detail::parseRun);
}
