// libFuzzer target: the reader of MPS.
#include "input/mps.h"
#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zep::detail::fuzz::runReader(data, size, zep::detail::readMps);
    return 0;
}
