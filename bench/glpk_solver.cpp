#include <cmath>
#include <cstdio>
#include <vector>

#include "solvers.h"

namespace zep::detail::bench {

namespace {

void setRow(glp_prob* p, int i, Rel rel, double rhs) {
    char name[16];
    std::snprintf(name, sizeof name, "R%d", i);
    glp_set_row_name(p, i, name);
    switch (rel) {
    case Rel::le:
        glp_set_row_bnds(p, i, GLP_UP, 0.0, rhs);
        break;
    case Rel::ge:
        glp_set_row_bnds(p, i, GLP_LO, rhs, 0.0);
        break;
    case Rel::eq:
        glp_set_row_bnds(p, i, GLP_FX, rhs, rhs);
        break;
    }
}

} // namespace

glp_prob* glpkLoad(const Model& model) {
    glp_prob* p = glp_create_prob();
    glp_set_obj_name(p, "OBJ");
    glp_set_obj_dir(p, model.maximise ? GLP_MAX : GLP_MIN);
    glp_add_rows(p, model.m);
    glp_add_cols(p, model.n);
    for (int j = 1; j <= model.n; j++) {
        char name[16];
        std::snprintf(name, sizeof name, "X%d", j);
        glp_set_col_name(p, j, name);
        glp_set_col_bnds(p, j, GLP_LO, 0.0, 0.0);
        glp_set_obj_coef(p, j, model.obj[static_cast<size_t>(j - 1)]);
    }
    // glp_load_matrix counts from 1; entry 0 of each array is unused.
    std::vector<int> ia(1), ja(1);
    std::vector<double> ar(1);
    for (int i = 1; i <= model.m; i++) {
        const auto& row = model.rows[static_cast<size_t>(i - 1)];
        setRow(p, i, model.rel[static_cast<size_t>(i - 1)], model.rhs[static_cast<size_t>(i - 1)]);
        for (int j = 1; j <= model.n; j++) {
            double a = row[static_cast<size_t>(j - 1)];
            if (a == 0) continue;
            ia.push_back(i);
            ja.push_back(j);
            ar.push_back(a);
        }
    }
    glp_load_matrix(p, static_cast<int>(ar.size()) - 1, ia.data(), ja.data(), ar.data());
    return p;
}

double glpkSolve(const Model& model) {
    glp_prob* p = glpkLoad(model);
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    parm.presolve = GLP_OFF;
    bool optimal = glp_simplex(p, &parm) == 0 && glp_get_status(p) == GLP_OPT;
    double z = optimal ? glp_get_obj_val(p) : std::nan("");
    glp_delete_prob(p);
    return z;
}

} // namespace zep::detail::bench
