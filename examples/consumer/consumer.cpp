// Uses the installed zep library: reads a model from text, solves it, and
// prints its answer from the data the library returns. With the argument
// "threads" it solves two models on two threads at once and checks that
// each gets its own answer.
#include <zep/zep.h>

#include <cstdio>
#include <cstring>
#include <thread>

namespace {

constexpr const char* profit = "MAX PROFIT) 2X + 3Y  C1) X + Y <= 4  C2) X + 3Y <= 6";
constexpr const char* diet = "MIN COST) 3A + 2B  N1) A + B >= 4  N2) A + 3B >= 6";

void printAnswer(const zep::Answer& answer) {
    std::printf("objective %g after %d iterations\n", answer.objective, answer.iterations);
    for (const zep::VariableValue& v : answer.variables)
        std::printf("%s = %g (reduced cost %g)\n", v.name.c_str(), v.value, v.reduced_cost);
    for (const zep::RowValue& r : answer.rows)
        std::printf("%s: slack %g, dual %g\n", r.label.c_str(), r.slack, r.dual);
}

// Solves a model many times over, so that two threads overlap.
bool solvesTo(const char* text, double objective) {
    for (int i = 0; i < 200; i++) {
        zep::Answer answer = zep::solve(zep::read_model(text));
        if (answer.outcome != zep::Outcome::optimal || answer.objective != objective) return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    try {
        if (argc > 1 && std::strcmp(argv[1], "threads") == 0) {
            bool first = false, second = false;
            std::thread a([&] { first = solvesTo(profit, 9); });
            std::thread b([&] { second = solvesTo(diet, 8); });
            a.join();
            b.join();
            std::printf("two threads: %s\n", first && second ? "both right" : "WRONG");
            return first && second ? 0 : 1;
        }
        printAnswer(zep::solve(zep::read_model(profit)));
        zep::read_model("MAX PROFIT) 2X + 3Y  C1) X + Y <= -4");
    } catch (const zep::Error& e) {
        std::printf("error (status %d): %s\n", e.status(), e.what());
    }
    return 0;
}
