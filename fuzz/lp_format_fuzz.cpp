// libFuzzer target: the reader of the CPLEX LP format.
#include "input/lp_format.h"
#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zep::detail::fuzz::runReader(data, size, zep::detail::readLpFormat);
    return 0;
}
