// Small file helpers shared by the tests that look at results files.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace test_files {

// The whole file as bytes; empty when it can't be read.
inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace test_files
