#include "store/store.h"

#include <sys/mman.h>

#include <new>

namespace zep {

void initParam(Store& s) {
    s.infinity = 1e30;
    s.unbounded = 0;
    s.rhs_col = 0;
    s.eps_infe = 1e-5;
    s.eps_ratio = 1e-12;
    s.eps_pivot = 1e-5;
    s.eps_price = 1e-5;
    // Only rows up to the current num_cons are cleared: in a fresh store
    // that is row 0 alone, the others being zero from the start.
    for (int j = 0; j < tab_cols; j++) {
        s.cost[j] = 0;
        s.upperb[j] = s.infinity;
        s.lowerb[j] = 0;
        s.isart[j] = 0;
        for (int r = 0; r <= s.num_cons && r < tab_rows; r++) s.a_mat[r][j] = 0;
    }
}

// A fresh anonymous mapping creates the Store (an aggregate, so of
// implicit lifetime) with every field zero; the few start values that are
// not zero are set here.
StorePtr newStore() {
    void* memory =
        mmap(nullptr, sizeof(Store), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    StorePtr s(static_cast<Store*>(memory));
    s->out = stdout;
    s->eps_print = 1e-6;
    s->echo = 1;
    s->dispModel = 1;
    return s;
}

void UnmapStore::operator()(Store* s) const {
    munmap(s, sizeof(Store));
}

} // namespace zep
