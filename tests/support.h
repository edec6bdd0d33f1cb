// Helpers for tests: a store that reads a text and captures its output.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "driver/solve.h"
#include "store/store.h"

namespace zep::testing {

// A store whose model file holds the given text and whose output is kept
// in memory; output() returns everything written so far.
class Harness {
  public:
    explicit Harness(const std::string& input = "") : store(std::make_unique<Store>()) {
        store->luin = std::tmpfile();
        std::fwrite(input.data(), 1, input.size(), store->luin);
        std::rewind(store->luin);
        store->out = open_memstream(&text, &size);
    }
    ~Harness() {
        std::fclose(store->out);
        std::free(text);
        std::fclose(store->luin);
    }
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    Store& s() { return *store; }
    std::string output() {
        std::fflush(store->out);
        return std::string(text, size);
    }

    // Runs op and returns the status it ended the process with, or -1 when
    // it returned normally.
    template <class Op> int run(Op op) {
        try {
            op(*store);
        } catch (const ProcessEnd& end) {
            return end.status;
        }
        return -1;
    }

  private:
    std::unique_ptr<Store> store;
    char* text = nullptr;
    std::size_t size = 0;
};

// The output and exit status of solve on a model text, as zep-solve runs
// it on a file of that name with the option letters among r, f, t and x.
inline std::string solveText(const std::string& text, const char* file, const char* options) {
    Harness h(text);
    Store& s = h.s();
    std::snprintf(s.buf, sizeof s.buf, "%s", file);
    for (const char* o = options; *o; o++) {
        if (*o == 'r') s.show_range = 1;
        if (*o == 'f') s.last_tableau = 1;
        if (*o == 't') s.debug = 1;
        if (*o == 'x') s.show_exchanges = 1;
    }
    initParam(s);
    int status = h.run(solve);
    return h.output() + "status " + std::to_string(status) + "\n";
}

} // namespace zep::testing
