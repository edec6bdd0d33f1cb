// libFuzzer target: the matrix-form reader.
#include "input/matrix.h"
#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zep::detail::fuzz::runReader(data, size, zep::detail::generate2);
    return 0;
}
