// glpsol as an oracle: its verdict on a model file, read from the
// solution file it writes.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "differential.h"

namespace zep::detail::testing {

// glpsol's verdict on input ("--lp FILE", "--freemps FILE" ...) from the
// status line of its solution file, with its point (options: none, "--exact"
// for its rational simplex, "--xcheck" for its final basis checked in
// rational arithmetic); UNKNOWN where it gives none, or takes more than 10
// seconds (its simplex can cycle on extreme models).
inline Answer glpsolOn(const std::string& input, const std::filesystem::path& sol,
                       const std::string& options) {
    std::filesystem::remove(sol);
    std::string cmd = "timeout 10 glpsol " + input + " " + options + " --nopresol -w " +
                      sol.string() + " >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) return {"UNKNOWN", 0, {}};
    std::istringstream in(readFile(sol.string()));
    std::string line;
    Answer verdict{"UNKNOWN", 0, {}};
    while (std::getline(in, line)) {
        if (line.rfind("j ", 0) == 0) {
            std::istringstream fields(line.substr(2));
            std::string status;
            double value = 0;
            fields >> value >> status >> value;
            verdict.point.push_back(value);
        }
        if (line.rfind("s bas", 0) != 0) continue;
        std::istringstream fields(line.substr(5));
        int rows = 0, cols = 0;
        std::string primal, dual;
        double obj = 0;
        fields >> rows >> cols >> primal >> dual >> obj;
        if (primal == "f" && dual == "f") verdict = {"OPTIMAL", obj, {}};
        if (primal == "n") verdict = {"INFEASIBLE", 0, {}};
        if (primal == "f" && dual == "n") verdict = {"UNBOUNDED", 0, {}};
    }
    return verdict;
}

// glpsol's verdict on m, written to dir as an LP file.
inline Answer glpsolVerdict(const std::filesystem::path& dir, const MatModel& m,
                            const std::string& options) {
    std::filesystem::path lp = dir / "model.lp";
    std::FILE* f = std::fopen(lp.c_str(), "w");
    std::fputs(lpText(m).c_str(), f);
    std::fclose(f);
    return glpsolOn("--lp " + lp.string(), dir / "model.sol", options);
}

// The same, for models on which glpsol must give one.
inline Answer glpsolAnswer(const std::filesystem::path& dir, const MatModel& m) {
    Answer a = glpsolVerdict(dir, m, "");
    if (a.status == "UNKNOWN") ADD_FAILURE() << "glpsol gave no verdict on\n" << lpText(m);
    return a;
}

// zep's MPS text without its OBJSENSE section, which glpsol 5.0 does not
// read (give it --max instead); maximize says whether the section asked for
// that.
inline std::string withoutObjsense(const std::string& mps, bool* maximize = nullptr) {
    std::size_t at = mps.find("OBJSENSE\n");
    if (maximize) *maximize = false;
    if (at == std::string::npos) return mps;
    std::size_t sense = at + 9, end = mps.find('\n', sense);
    if (maximize) *maximize = mps.compare(sense, end - sense, "    MAX") == 0;
    return mps.substr(0, at) + mps.substr(end + 1);
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
