// libFuzzer target: zep-solve's whole path. The first byte gives the
// options, one bit each (e, f, r, t, x, i, m); the rest is the model file,
// in either form: reader, standard form, simplex, check and every report.
// The same model then goes through the library's calls, which must end
// only in an answer or a zep::Error.
#include <zep/zep.h>

#include <cstdint>
#include <string_view>

#include "driver/session.h"
#include "driver/solve.h"

namespace {

void takeOptions(zep::detail::Store& s, std::uint8_t bits) {
    if (bits & 0x01) s.opt.echo = !s.opt.echo;
    if (bits & 0x02) s.opt.last_tableau = 1;
    if (bits & 0x04) s.opt.show_range = 1;
    if (bits & 0x08) s.opt.debug = 1;
    if (bits & 0x10) s.opt.show_exchanges = 1;
    if (bits & 0x20) s.opt.inputMatrix = 1;
    if (bits & 0x40) s.opt.dispModel = !s.opt.dispModel;
}

void throughLibrary(std::string_view text, std::uint8_t bits) {
    try {
        zep::Model model = zep::read_model(text);
        zep::listing(model);
        zep::solve(model, {.ranging = (bits & 0x04) != 0,
                           .final_tableau = (bits & 0x02) != 0,
                           .trace = (bits & 0x08) != 0,
                           .exchanges = (bits & 0x10) != 0});
    } catch (const zep::Error&) {}
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    zep::detail::Session run(text);
    takeOptions(run.store(), data[0]);
    run.run([](zep::detail::Store& s) {
        zep::detail::initParam(s);
        zep::detail::solve(s);
    });
    throughLibrary(text, data[0]);
    return 0;
}
