#pragma once

#include <string>

namespace qv::test {

// A fresh empty directory under the system's temporary folder, removed when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A file's bytes written as they are, and read back ("" when there is no file).
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

// The shared folder of other makers' files (S-parameter files and more); empty when absent.
std::string SharedTestData(const std::string& relative);

} // namespace qv::test
