// libFuzzer target: zep-solve's whole path. The first byte gives the
// options, one bit each (e, f, r, t, x, i, m); the rest is the model file,
// in either form: reader, standard form, simplex, check and every report.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "driver/solve.h"
#include "store/store.h"

namespace {

void takeOptions(zep::Store& s, std::uint8_t bits) {
    if (bits & 0x01) s.echo = !s.echo;
    if (bits & 0x02) s.last_tableau = 1;
    if (bits & 0x04) s.show_range = 1;
    if (bits & 0x08) s.debug = 1;
    if (bits & 0x10) s.show_exchanges = 1;
    if (bits & 0x20) s.inputMatrix = 1;
    if (bits & 0x40) s.dispModel = !s.dispModel;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // A private copy with one spare byte, so that an empty model still has
    // a buffer to open.
    std::vector<std::uint8_t> text(data + 1, data + size);
    text.push_back(0);
    auto s = std::make_unique<zep::Store>();
    s->luin = fmemopen(text.data(), size - 1, "r");
    s->out = std::fopen("/dev/null", "w");
    if (!s->luin || !s->out) std::abort();
    std::strcpy(s->buf, "fuzz-input");
    takeOptions(*s, data[0]);
    try {
        zep::initParam(*s);
        zep::solve(*s);
    } catch (const zep::ProcessEnd&) {}
    std::fclose(s->luin);
    std::fclose(s->out);
    return 0;
}
