#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "reports/model_writer.h"
#include "store/store.h"

namespace zep::detail::testing {

// The model the store holds, as zep-convert writes it in the given form.
inline std::string written(Store& s, ModelForm to) {
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = s.out;
    s.out = open_memstream(&text, &size);
    writeModel(s, to);
    std::fclose(s.out);
    s.out = out;
    std::string result(text, size);
    std::free(text);
    return result;
}

} // namespace zep::detail::testing
