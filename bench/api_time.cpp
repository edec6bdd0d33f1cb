// Times zep::solve, the public library call, on model files: the C++ side
// of bench/python_bench.py. For each file, the model is read once and then
// solved in batches; prints the file's name, the median CPU time per solve
// of the batches in microseconds (CPU time, as this machine is shared), and
// the objective value. With --numbers the solves make no report
// (Options::report false), as the module's report=False.
//   zep_api_time [--numbers] BATCHES SOLVES-PER-BATCH FILE...
#include <zep/zep.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

double cpuMicroseconds() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

} // namespace

int main(int argc, char** argv) {
    zep::Options options;
    int first = 1;
    if (argc > 1 && std::string_view(argv[1]) == "--numbers") {
        options.report = false;
        first = 2;
    }
    if (argc < first + 3) {
        std::fprintf(stderr, "usage: %s [--numbers] BATCHES SOLVES-PER-BATCH FILE...\n", argv[0]);
        return 2;
    }
    int batches = std::atoi(argv[first]);
    int solves = std::atoi(argv[first + 1]);
    for (int f = first + 2; f < argc; f++) {
        std::ifstream in(argv[f], std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        zep::Model model = zep::read_model(text.str());
        std::vector<double> per_solve;
        double objective = zep::solve(model, options).objective; // untimed: the batches start warm
        for (int b = 0; b < batches; b++) {
            double start = cpuMicroseconds();
            for (int i = 0; i < solves; i++) objective = zep::solve(model, options).objective;
            per_solve.push_back((cpuMicroseconds() - start) / solves);
        }
        std::nth_element(per_solve.begin(), per_solve.begin() + batches / 2, per_solve.end());
        std::printf("%s %.3f %.17g\n", argv[f], per_solve[batches / 2], objective);
    }
    return 0;
}
