// libFuzzer target: the algebraic reader (scanner and grammar).
#include "input/grammar.h"
#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zep::detail::fuzz::runReader(data, size, zep::detail::generate3);
    return 0;
}
