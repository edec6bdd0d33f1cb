#include "store/store.h"

#include <sys/mman.h>

#include <cstring>
#include <new>

namespace zep::detail {

void initParam(Store& s) {
    s.tol.infinity = 1e30;
    s.tab.rhs_col = 0;
    s.tol.eps_infe = 1e-5;
    s.tol.eps_ratio = 1e-12;
    s.tol.eps_pivot = 1e-5;
    s.tol.eps_price = 1e-5;
    // Only rows up to the current num_cons are cleared: in a fresh store
    // that is row 0 alone, the others being zero from the start.
    for (int j = 0; j < tab_cols; j++) {
        s.tab.cost[j] = 0;
        s.tab.upperb[j] = s.tol.infinity;
        s.tab.lowerb[j] = 0;
        s.model.lower[j] = 0;
        s.model.upper[j] = s.tol.infinity;
        s.tab.isart[j] = 0;
        for (int r = 0; r <= s.model.num_cons && r < tab_rows; r++) s.tab.a_mat[r][j] = 0;
    }
}

void keep_model(Store& s) {
    for (int r = 0; r <= s.model.num_cons; r++)
        std::memcpy(s.model.a_read[r], s.tab.a_mat[r], sizeof s.model.a_read[r]);
}

// A fresh anonymous mapping creates the Store (an aggregate, so of
// implicit lifetime) with every field zero, which for the tables of names
// as written is an empty table; the few start values that are not zero
// are set here.
StorePtr newStore() {
    void* memory =
        mmap(nullptr, sizeof(Store), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    StorePtr s(static_cast<Store*>(memory));
    s->out = stdout;
    s->tol.eps_print = 1e-6;
    s->opt.echo = 1;
    s->opt.dispModel = 1;
    s->scan.errLine = 1;
    std::strcpy(s->diag.program, "zep");
    s->diag.warnings = 1;
    s->matrix.line = 1;
    return s;
}

void UnmapStore::operator()(Store* s) const {
    s->~Store();
    munmap(s, sizeof(Store));
}

} // namespace zep::detail
