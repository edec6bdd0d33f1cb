// libFuzzer writes each new input into the first corpus directory it is
// given. Inside the source tree that may only be a corpus of fuzz/
// (fuzz/corpus-READER, which git ignores) or a build directory: the
// repository's own files never receive generated inputs.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

bool writable(const fs::path& dir) {
    fs::path root = fs::weakly_canonical(ZEP_SOURCE_DIR);
    fs::path full = fs::weakly_canonical(dir);
    auto [in_root, in_full] = std::mismatch(root.begin(), root.end(), full.begin(), full.end());
    if (in_root != root.end()) return true; // outside the source tree
    std::string inside = full.lexically_relative(root).generic_string();
    return inside.starts_with("fuzz/corpus-") || inside.starts_with("build");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    for (int i = 1; i < *argc; i++) {
        const char* arg = (*argv)[i];
        std::error_code error;
        if (arg[0] == '-' || !fs::is_directory(arg, error)) continue;
        if (!writable(arg)) {
            std::fprintf(stderr,
                         "%s: the fuzzer would write new inputs into %s; give a corpus under "
                         "fuzz/corpus-READER, a build directory or outside the source tree\n",
                         (*argv)[0], arg);
            std::exit(1);
        }
        break; // only the first corpus directory is written to
    }
    return 0;
}
