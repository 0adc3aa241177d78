#include "support/test_paths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace qv::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string SharedTestData(const std::string& relative) {
    namespace fs = std::filesystem;
    for (fs::path dir = fs::current_path(); !dir.empty(); dir = dir.parent_path()) {
        const fs::path candidate = dir / ".." / "shared" / "testdata" / relative;
        std::error_code ec;
        if (fs::exists(candidate, ec))
            return fs::weakly_canonical(candidate).string();
        if (dir == dir.parent_path())
            break;
    }
    return {};
}

} // namespace qv::test
