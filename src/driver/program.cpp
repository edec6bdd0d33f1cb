#include "driver/program.h"

#include <cstring>
#include <optional>

#include "store/failure.h"

namespace zep::detail {

int runProgram(int argc, char** argv, ProgramRun run) {
    auto s = newStore();
    std::vector<Note> notes;
    s->diag.notes = &notes;
    if (argc > 0) {
        const char* slash = std::strrchr(argv[0], '/');
        std::snprintf(s->diag.program, sizeof s->diag.program, "%s", slash ? slash + 1 : argv[0]);
        // Under node the WebAssembly programs run as NAME.js; they are still NAME.
        std::size_t n = std::strlen(s->diag.program);
        if (n > 3 && std::strcmp(s->diag.program + n - 3, ".js") == 0)
            s->diag.program[n - 3] = '\0';
    }
    std::optional<Failure> failure;
    int status = 0;
    try {
        run(*s, argc, argv);
    } catch (const ProcessEnd& end) {
        status = end.status;
    } catch (const Failure& f) {
        failure = f;
        status = f.status;
    }
    endRun(*s, notes, failure ? &*failure : nullptr);
    if (s->luin) std::fclose(s->luin);
    return status;
}

} // namespace zep::detail
