// Drives one model reader on a fuzzer's bytes, then the standard form and
// the tableau dump, as the command-line run does. An input that ends the
// process arrives here as ProcessEnd, the run's ordinary way out.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "simplex/tableau.h"
#include "stdform/stdform.h"
#include "store/store.h"

namespace zep::fuzz {

inline void runReader(const std::uint8_t* data, std::size_t size, void (*reader)(Store&)) {
    // A private copy with one spare byte, so that an empty input still has
    // a buffer to open.
    std::vector<std::uint8_t> text(data, data + size);
    text.push_back(0);
    auto s = std::make_unique<Store>();
    s->luin = fmemopen(text.data(), size, "r");
    s->out = std::fopen("/dev/null", "w");
    if (!s->luin || !s->out) std::abort();
    std::strcpy(s->buf, "fuzz-input");
    try {
        initParam(*s);
        reader(*s);
        setprob(*s);
        tableau(*s);
    } catch (const ProcessEnd&) {
    }
    std::fclose(s->luin);
    std::fclose(s->out);
}

} // namespace zep::fuzz
