// glpsol as an oracle: its verdict on a model file, read from the
// solution file it writes.
#pragma once

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "differential.h"

namespace zep::detail::testing {

inline Answer glpsolOn(const std::string& input, const std::filesystem::path& sol,
                       const std::string& options) {
    std::filesystem::remove(sol);
    std::string cmd = "timeout 10 glpsol " + input + " " + options + " --nopresol -w " +
                      sol.string() + " >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) return {"UNKNOWN", 0, {}};
    std::istringstream in(readFile(sol.string()));
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("s bas", 0) != 0) continue;
        std::istringstream fields(line.substr(5));
        int rows = 0, cols = 0;
        std::string primal, dual;
        double obj = 0;
        fields >> rows >> cols >> primal >> dual >> obj;
        if (primal == "f" && dual == "f") return {"OPTIMAL", obj, {}};
        if (primal == "n") return {"INFEASIBLE", 0, {}};
        if (primal == "f" && dual == "n") return {"UNBOUNDED", 0, {}};
    }
    return {"UNKNOWN", 0, {}};
}

// A model with a row and no way to tell infeasible from unbounded: glpsol
// says "n" for the primal of either where its presolve is off, so only
// models whose two answers agree on a status are compared.
inline bool sameVerdict(const Answer& a, const Answer& b) {
    return a.status == b.status &&
           (a.status != "OPTIMAL" ||
            std::fabs(a.objective - b.objective) <= 1e-9 * std::fmax(1, std::fabs(a.objective)));
}

} // namespace zep::detail::testing
