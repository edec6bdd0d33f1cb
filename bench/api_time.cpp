// Times zep::solve, the public library call, on model files: the C++ side
// of bench/python_bench.py. For each file, the model is read once and then
// solved in batches; prints the file's name and the median time per solve
// of the batches, in microseconds.
//   zep_api_time BATCHES SOLVES-PER-BATCH FILE...
#include <zep/zep.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s BATCHES SOLVES-PER-BATCH FILE...\n", argv[0]);
        return 2;
    }
    int batches = std::atoi(argv[1]);
    int solves = std::atoi(argv[2]);
    for (int f = 3; f < argc; f++) {
        std::ifstream in(argv[f], std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        zep::Model model = zep::read_model(text.str());
        std::vector<double> per_solve;
        double objective = 0;
        for (int b = 0; b < batches; b++) {
            auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < solves; i++) objective = zep::solve(model).objective;
            std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
            per_solve.push_back(took.count() / solves);
        }
        std::nth_element(per_solve.begin(), per_solve.begin() + batches / 2, per_solve.end());
        std::printf("%s %.3f %.17g\n", argv[f], per_solve[batches / 2], objective);
    }
    return 0;
}
