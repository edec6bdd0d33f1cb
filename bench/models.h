// The benchmark models, from the two-variable example up to the store's
// capacity (the generated ones and the test corpus's three capacity
// models), each held as numbers (for GLPK's API) and as a matrix-form
// text (for zep's reader). The same model always comes out the same.
#pragma once

#include <string>
#include <vector>

namespace zep::detail::bench {

enum class Rel { le, ge, eq };

struct Model {
    std::string name;
    bool maximise = true;
    int n = 0; // variables
    int m = 0; // constraints
    std::vector<double> obj;
    std::vector<std::vector<double>> rows; // m rows of n coefficients
    std::vector<Rel> rel;
    std::vector<double> rhs;
};

std::vector<Model> benchModels();

// The model in zep's matrix form: variables X1..Xn, rows R1..Rm.
std::string matrixText(const Model& model);

// Variables plus the slack, surplus and artificial columns zep adds.
int namedColumns(const Model& model);

} // namespace zep::detail::bench
