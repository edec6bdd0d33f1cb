// Helpers of the differential tests: a matrix-form model as plain data, a
// solve run on a model file, and the checks of a run against an oracle's
// answer.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "driver/solve.h"
#include "store/store.h"

namespace zep::testing {

struct MatRow {
    std::vector<double> coefs;
    char rel; // '<', '>' or '='
    double rhs;
};

struct MatModel {
    std::string sense;
    std::vector<std::string> names;
    std::vector<double> obj;
    std::vector<MatRow> rows;
};

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
};

inline Answer parseAnswer(const std::string& line) {
    Answer a;
    std::istringstream in(line);
    in >> a.status >> a.objective;
    return a;
}

// One solve of a model file, as zep-solve runs it without options.
struct SolveRun {
    std::unique_ptr<Store> store = std::make_unique<Store>();
    std::string output;
    int status = -1; // exit status when the run ended the process
};

inline SolveRun solveFile(const std::string& path) {
    SolveRun run;
    Store& s = *run.store;
    char* text = nullptr;
    std::size_t size = 0;
    s.out = open_memstream(&text, &size);
    s.luin = std::fopen(path.c_str(), "r");
    std::snprintf(s.buf, sizeof s.buf, "%s", path.c_str());
    initParam(s);
    try {
        solve(s);
    } catch (const ProcessEnd& end) {
        run.status = end.status;
    }
    std::fclose(s.out);
    std::fclose(s.luin);
    run.output.assign(text, size);
    std::free(text);
    return run;
}

// A variable value as the decision-variable summary prints it: the value
// and how far the true value may lie from it.
struct Printed {
    double value;
    double error;
};

// Reads the value column of the decision-variable summary ("%16.4lf", or a
// point for a value below 0.00001).
inline std::vector<Printed> printedValues(const std::string& output, std::size_t n) {
    const std::string rule = "------------      -----------    ------------    ---------- \n";
    std::vector<Printed> values;
    std::size_t at = output.find(rule);
    if (at == std::string::npos) return values;
    std::istringstream lines(output.substr(at + rule.size()));
    std::string line;
    while (values.size() < n && std::getline(lines, line)) {
        std::string field = line.size() >= 29 ? line.substr(12, 17) : "";
        if (field.find_first_not_of(' ') != std::string::npos &&
            field[field.find_first_not_of(' ')] == '.')
            values.push_back({0, 1e-5});
        else
            values.push_back({std::strtod(field.c_str(), nullptr), 0.00005});
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

// Status, objective value (relative 1e-6) and printed point of a run.
inline void expectAgrees(const MatModel& m, const SolveRun& run, const Answer& want) {
    const Store& s = *run.store;
    ASSERT_EQ(run.status, -1) << run.output;
    const char* status[] = {"RUNNING", "OPTIMAL", "INFEASIBLE", "UNBOUNDED"};
    ASSERT_TRUE(s.engine.end_stat >= 0 && s.engine.end_stat <= 3);
    ASSERT_EQ(status[s.engine.end_stat], want.status) << run.output;
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

} // namespace zep::testing
