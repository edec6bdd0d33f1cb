#include "driver/session.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace zep {

namespace {

// A read-only stream over a text in memory; unlike fmemopen it also takes
// an empty text.
ssize_t readText(void* cookie, char* dst, std::size_t n) {
    auto* in = static_cast<TextInput*>(cookie);
    std::size_t left = in->text.size() - in->at;
    std::size_t k = n < left ? n : left;
    std::memcpy(dst, in->text.data() + in->at, k);
    in->at += k;
    return static_cast<ssize_t>(k);
}

} // namespace

Session::Session(std::string_view model_text) : s(std::make_unique<Store>()) {
    input.text = model_text;
    s->out = open_memstream(&text, &size);
    if (!s->out) throw std::bad_alloc();
    s->luin = fopencookie(&input, "r", cookie_io_functions_t{readText, nullptr, nullptr, nullptr});
    if (!s->luin) {
        std::fclose(s->out);
        std::free(text);
        throw std::bad_alloc();
    }
}

Session::~Session() {
    std::fclose(s->out);
    std::free(text);
    std::fclose(s->luin);
}

std::string Session::output() {
    std::fflush(s->out);
    return std::string(text, size);
}

} // namespace zep
