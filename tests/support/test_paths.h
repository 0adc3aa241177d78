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

// The shared folder of other makers' files (S-parameter files and more); empty when absent.
std::string SharedTestData(const std::string& relative);

} // namespace qv::test
