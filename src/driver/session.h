// One run of zep on a model text held in memory, its output kept in
// memory: the setting of every library call, test and fuzz target.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/failure.h"
#include "store/store.h"

namespace zep::detail {

// A session's model text and how far its stream has read.
struct TextInput {
    std::string text;
    std::size_t at = 0;
};

class Session {
  public:
    explicit Session(std::string_view text = "");
    // Writes to out instead of memory (output() then holds nothing); the
    // session does not close it.
    Session(std::string_view text, FILE* out);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Store& store() { return *s; }
    const Store& store() const { return *s; }

    // Everything written to the store's output so far.
    std::string output() { return std::string(written()); }

    // The same text in place, until the next write to the store's output.
    std::string_view written();

    // Runs op on the store; returns the status it ended the process with,
    // or -1 when it returned. An error's Failure is kept in failure().
    template <class Op> int run(Op op) {
        try {
            op(*s);
        } catch (const ProcessEnd& end) {
            return end.status;
        } catch (const Failure& f) {
            failed = f;
            return f.status;
        }
        return -1;
    }

    const std::optional<Failure>& failure() const { return failed; }

    // The notes the run gathered.
    const std::vector<Note>& notes() const { return gathered; }

  private:
    std::unique_ptr<Store> s;
    std::optional<Failure> failed;
    std::vector<Note> gathered;
    TextInput input;
    char* out_text = nullptr;
    std::size_t out_size = 0;
    bool own_out = true;
};

} // namespace zep::detail
