// Helpers of the differential tests: a matrix-form model as plain data, a
// solve run on a model file, and the checks of a run against an oracle's
// answer.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "driver/session.h"
#include "driver/solve.h"
#include "mat_model.h"
#include "store/store.h"

namespace zep::detail::testing {

inline MatModel parseMat(const std::string& text) {
    std::istringstream in(text);
    MatModel m;
    std::size_t n = 0, k = 0;
    std::string word;
    in >> m.sense >> n >> k;
    m.names.resize(n);
    m.obj.resize(n);
    for (auto& name : m.names) in >> name;
    in >> word;
    for (auto& c : m.obj) in >> c;
    for (std::size_t i = 0; i < k; i++) {
        MatRow row{std::vector<double>(n), '=', 0};
        in >> word;
        for (auto& c : row.coefs) in >> c;
        in >> word >> row.rhs;
        row.rel = word[0] == '<' || word[0] == '>' ? word[0] : '=';
        m.rows.push_back(row);
    }
    return m;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// An oracle's answer: "OPTIMAL <objective>", "INFEASIBLE" or "UNBOUNDED".
struct Answer {
    std::string status;
    double objective = 0;
    std::vector<double> point{}; // glpsol's column values, where it wrote them
};

inline Answer parseAnswer(const std::string& line) {
    Answer a;
    std::istringstream in(line);
    in >> a.status >> a.objective;
    return a;
}

// One solve of a model file, as zep-solve runs it without options.
struct SolveRun {
    std::unique_ptr<Session> session;
    Store* store = nullptr; // as the solve left it
    std::string output;
    int status = -1; // exit status when the run ended the process
};

inline SolveRun solveFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    SolveRun run;
    run.session = std::make_unique<Session>(text.str());
    run.store = &run.session->store();
    std::snprintf(run.store->file_name, sizeof run.store->file_name, "%s", path.c_str());
    initParam(*run.store);
    run.status = run.session->run([](Store& s) { solve(s); });
    run.output = run.session->output();
    return run;
}

// A variable value as the decision-variable summary prints it: the value
// and how far the true value may lie from it.
struct Printed {
    double value;
    double error;
};

// Reads the value column of the decision-variable summary ("%16.4lf", which
// a wide number widens, or a point for a value below 0.00001): the first
// word after the 12 characters of number and name.
inline std::vector<Printed> printedValues(const std::string& output, std::size_t n) {
    const std::string rule = "------------      -----------    ------------    ---------- \n";
    std::vector<Printed> values;
    std::size_t at = output.find(rule);
    if (at == std::string::npos) return values;
    std::istringstream lines(output.substr(at + rule.size()));
    std::string line;
    while (values.size() < n && std::getline(lines, line)) {
        std::string field;
        std::istringstream(line.size() > 12 ? line.substr(12) : "") >> field;
        if (field == ".")
            values.push_back({0, 1e-5});
        else {
            // Four decimals, and no more than a double holds of a large value.
            double v = std::strtod(field.c_str(), nullptr);
            values.push_back({v, 0.00005 + std::fabs(v) * 0x1p-51});
        }
    }
    return values;
}

// The printed point satisfies every row, and reaches the optimal objective,
// to the precision at which it is printed.
inline void expectPrintedPointOptimal(const MatModel& m, const std::string& output,
                                      double objective) {
    std::vector<Printed> x = printedValues(output, m.names.size());
    ASSERT_EQ(x.size(), m.names.size()) << "no decision-variable summary in\n" << output;
    for (std::size_t i = 0; i < m.rows.size(); i++) {
        const MatRow& row = m.rows[i];
        double lhs = 0, tol = 1e-9 * (1 + std::fabs(row.rhs));
        for (std::size_t j = 0; j < x.size(); j++) {
            lhs += row.coefs[j] * x[j].value;
            tol += std::fabs(row.coefs[j]) * x[j].error;
        }
        if (row.rel == '<') {
            EXPECT_LE(lhs, row.rhs + tol) << "row " << i + 1;
        } else if (row.rel == '>') {
            EXPECT_GE(lhs, row.rhs - tol) << "row " << i + 1;
        } else {
            EXPECT_NEAR(lhs, row.rhs, tol) << "row " << i + 1;
        }
    }
    double z = 0, tol = 1e-6 * std::fmax(1, std::fabs(objective));
    for (std::size_t j = 0; j < x.size(); j++) {
        z += m.obj[j] * x[j].value;
        tol += std::fabs(m.obj[j]) * x[j].error;
    }
    EXPECT_NEAR(z, objective, tol) << "objective of the printed point";
}

// The outcome as the oracles' verdicts name it.
inline std::string statusName(Outcome end_stat) {
    constexpr const char* names[] = {"OPTIMAL", "INFEASIBLE", "UNBOUNDED"};
    return names[static_cast<int>(end_stat)];
}

// Status, objective value (relative 1e-6) and printed point of a run.
inline void expectAgrees(const MatModel& m, const SolveRun& run, const Answer& want) {
    const Store& s = *run.store;
    ASSERT_EQ(run.status, -1) << run.output;
    ASSERT_EQ(statusName(s.engine.end_stat), want.status) << run.output;
    if (want.status == "INFEASIBLE") {
        EXPECT_NE(run.output.find("PROBLEM INFEASIBLE\n"), std::string::npos);
        return;
    }
    if (want.status == "UNBOUNDED") {
        EXPECT_NE(run.output.find("UNBOUNDED PROBLEM\n"), std::string::npos);
        return;
    }
    double z = -s.model.z_mult * s.tab.a_mat[0][0];
    EXPECT_NEAR(z, want.objective, 1e-6 * std::fmax(1, std::fabs(want.objective)));
    expectPrintedPointOptimal(m, run.output, want.objective);
}

inline std::string lpTerms(const MatModel& m, const std::vector<double>& coefs) {
    std::string t;
    for (std::size_t j = 0; j < coefs.size(); j++)
        if (coefs[j] != 0)
            t += (coefs[j] < 0 ? " - " : " + ") + number(std::fabs(coefs[j])) + " " + m.names[j];
    return t.empty() ? " 0 " + m.names[0] : t;
}

// The same model in CPLEX-LP form for glpsol.
inline std::string lpText(const MatModel& m) {
    std::string t = m.sense == "MAX" ? "Maximize\n" : "Minimize\n";
    t += " obj:" + lpTerms(m, m.obj) + "\nSubject To\n";
    for (std::size_t i = 0; i < m.rows.size(); i++)
        t += " R" + std::to_string(i + 1) + ":" + lpTerms(m, m.rows[i].coefs) +
             (m.rows[i].rel == '<'   ? " <= "
              : m.rows[i].rel == '>' ? " >= "
                                     : " = ") +
             number(m.rows[i].rhs) + "\n";
    if (m.rows.empty()) t += " NONE: 0 " + m.names[0] + " >= 0\n";
    return t + "End\n";
}

// Writes m to dir/model.mat and solves it.
inline SolveRun solveModel(const std::filesystem::path& dir, const MatModel& m) {
    std::string mat = (dir / "model.mat").string();
    std::FILE* f = std::fopen(mat.c_str(), "w");
    std::fputs(matText(m).c_str(), f);
    std::fclose(f);
    return solveFile(mat);
}

// A seed from the environment variable name, or the fixed default.
inline unsigned envSeed(const char* name, unsigned fixed) {
    const char* text = std::getenv(name);
    return text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fixed;
}

// A model size from the environment variable name, or the default.
inline int envCount(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text ? std::atoi(text) : fallback;
}

} // namespace zep::detail::testing
