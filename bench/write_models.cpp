// Writes every benchmark model into a directory twice: NAME.mat, zep's
// matrix form, and NAME.lp, the CPLEX LP form that GLPK writes for glpsol.
#include <cstdio>
#include <string>

#include "models.h"
#include "solvers.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s directory\n", argv[0]);
        return 2;
    }
    glp_term_out(GLP_OFF);
    for (const zep::detail::bench::Model& model : zep::detail::bench::benchModels()) {
        std::string base = std::string(argv[1]) + "/" + model.name;
        FILE* mat = std::fopen((base + ".mat").c_str(), "w");
        if (!mat) {
            std::fprintf(stderr, "cannot write %s.mat\n", base.c_str());
            return 1;
        }
        std::fputs(zep::detail::bench::matrixText(model).c_str(), mat);
        std::fclose(mat);
        glp_prob* p = zep::detail::bench::glpkLoad(model);
        int failed = glp_write_lp(p, nullptr, (base + ".lp").c_str());
        glp_delete_prob(p);
        if (failed) {
            std::fprintf(stderr, "cannot write %s.lp\n", base.c_str());
            return 1;
        }
        std::printf("%s\n", model.name.c_str());
    }
    return 0;
}
