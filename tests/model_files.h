// The model files the tests read: a file's whole text, and the matrix-form
// models of the examples and the corpora.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zep::detail::testing {

inline std::string file_text(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every .mat file of examples/, tests/corpus and tests/corpus-wide, in
// name order.
inline std::vector<std::filesystem::path> matrix_models() {
    std::vector<std::filesystem::path> files;
    for (const char* dir : {"examples", "tests/corpus", "tests/corpus-wide"})
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            if (entry.path().extension() == ".mat") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace zep::detail::testing
