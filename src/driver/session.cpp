#include "driver/session.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace zep::detail {

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

// Seeking lets a reader look ahead at the start of the text and go back.
int seekText(void* cookie, off64_t* offset, int whence) {
    auto* in = static_cast<TextInput*>(cookie);
    off64_t base = whence == SEEK_SET   ? 0
                   : whence == SEEK_CUR ? static_cast<off64_t>(in->at)
                                        : static_cast<off64_t>(in->text.size());
    off64_t to = base + *offset;
    if (to < 0 || to > static_cast<off64_t>(in->text.size())) return -1;
    in->at = static_cast<std::size_t>(to);
    *offset = to;
    return 0;
}

} // namespace

Session::Session(std::string_view model_text) : Session(model_text, nullptr) {}

// The Store default-initialised: each field once, from its initialiser,
// without zeroing it all first (WebAssembly's library lacks
// make_unique_for_overwrite).
Session::Session(std::string_view model_text, FILE* out) : s(new Store) {
    input.text = model_text;
    s->diag.notes = &gathered;
    own_out = out == nullptr;
    s->out = own_out ? open_memstream(&out_text, &out_size) : out;
    if (!s->out) throw std::bad_alloc();
    s->luin = fopencookie(&input, "r", cookie_io_functions_t{readText, nullptr, seekText, nullptr});
    if (!s->luin) {
        if (own_out) std::fclose(s->out);
        std::free(out_text);
        throw std::bad_alloc();
    }
}

Session::~Session() {
    if (own_out) std::fclose(s->out);
    std::free(out_text);
    if (s->luin) std::fclose(s->luin);
}

std::string_view Session::written() {
    if (!own_out) return {};
    std::fflush(s->out);
    return {out_text, out_size};
}

} // namespace zep::detail
