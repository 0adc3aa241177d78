#include "core/settings/atomic_file.h"
#include "core/settings/para_ini.h"
#include "core/settings/settings_store.h"
#include "support/test_paths.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace qv;

namespace {

std::size_t FilesIn(const std::string& directory) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory))
        ++count;
    return count;
}

// Simulates a full disk: writes beyond maxBytes fail with EFBIG instead of raising SIGXFSZ.
// Both the limit and the signal disposition are restored at the end of the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t maxBytes) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = maxBytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

} // namespace

TEST(AtomicFile, WritesNewFileAndReplacesOldOne) {
    test::TempDir dir;
    const std::string path = dir.file("a.bin");
    const std::string binary("\x00\x01\xFF\r\n", 5);
    ASSERT_TRUE(WriteFileAtomically(path, binary));
    EXPECT_EQ(ReadWholeFile(path), binary);
    ASSERT_TRUE(WriteFileAtomically(path, "second"));
    EXPECT_EQ(ReadWholeFile(path), "second");
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(ReadWholeFile(path), "");
    EXPECT_EQ(FilesIn(dir.path()), 1u); // no temporary file left behind
}

TEST(AtomicFile, ReplacementKeepsTheOldFilesPermissions) {
    test::TempDir dir;
    const std::string path = dir.file("para.ini");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(AtomicFile, FailsWithoutSideEffectsWhereNoFileCanGo) {
    test::TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir.file("missing/a.txt"), "x"));
    EXPECT_FALSE(WriteFileAtomically(dir.path() + "/", "x"));
    std::filesystem::create_directory(dir.file("sub"));
    EXPECT_FALSE(WriteFileAtomically(dir.file("sub"), "x")); // a directory is not replaced
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("sub")));
    EXPECT_EQ(FilesIn(dir.path()), 1u);
    EXPECT_FALSE(ReadWholeFile(dir.file("sub")).has_value());
    EXPECT_FALSE(ReadWholeFile(dir.file("none")).has_value());
}

TEST(AtomicFile, FullDiskLeavesTheOldParaIniByteForByte) {
    test::TempDir dir;
    const ParaIni para(dir.path());
    para.ReadParaString("Fo");
    para.ReadParaString("负载R");
    para.ReadChartColours();
    const std::optional<std::string> before = ReadWholeFile(para.path());
    ASSERT_TRUE(before.has_value());
    const std::string longValue(4096, '7');

    bool written = true;
    {
        const FileSizeLimit limit(64); // smaller than the file that a write would produce
        ASSERT_TRUE(limit.active());
        written = WriteIniString(para.path(), "PARA", "Zo", longValue);
        EXPECT_FALSE(WriteFileAtomically(para.path(), longValue));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadWholeFile(para.path()), before);
    EXPECT_EQ(FilesIn(dir.path()), 1u);

    // Once there is room again the same write goes through.
    ASSERT_TRUE(WriteIniString(para.path(), "PARA", "Zo", longValue));
    EXPECT_EQ(ReadIniString(para.path(), "PARA", "Zo"), longValue);
}

TEST(AtomicFile, WriteOverAnUnreadableIniIsRefused) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("para.ini"));
    EXPECT_FALSE(WriteIniString(dir.file("para.ini"), "PARA", "Fo", "1G"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("para.ini")));
}

// Whole-file reads are bounded: a settings file past the limit is neither read nor replaced.
TEST(AtomicFile, WholeFileReadsStopAtTheLimitAndAnOversizeIniIsLeftAlone) {
    test::TempDir dir;
    const std::string path = dir.file("para.ini");
    ASSERT_TRUE(WriteFileAtomically(path, "[PARA]\nFo=1G\n"));
    std::filesystem::resize_file(path, MaxInputFileBytes); // padded with zero bytes
    EXPECT_EQ(ReadWholeFile(path)->size(), MaxInputFileBytes);
    std::filesystem::resize_file(path, MaxInputFileBytes + 1);
    FileFailure failure;
    EXPECT_FALSE(ReadWholeFile(path, &failure));
    EXPECT_EQ(failure.problem, FileProblem::TooLarge);
    EXPECT_EQ(failure.limitMiB, 8u);
    EXPECT_EQ(failure.path, path);
    EXPECT_FALSE(WriteIniString(path, "PARA", "Fo", "2G"));
    EXPECT_EQ(std::filesystem::file_size(path), MaxInputFileBytes + 1);
}

// A named pipe would block a plain open until a writer came; like a directory or a device it is
// refused at once.
TEST(AtomicFile, ReadsRefuseWhatIsNoRegularFileWithoutWaiting) {
    test::TempDir dir;
    const std::string pipe = dir.file("network.smh");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {pipe, dir.path(), std::string("/dev/zero")}) {
        FileFailure failure;
        EXPECT_FALSE(ReadWholeFile(path, &failure)) << path;
        EXPECT_FALSE(ReadFilePrefix(path, 10)) << path;
        EXPECT_EQ(failure.problem, FileProblem::NotRegularToRead) << path;
    }
    EXPECT_FALSE(WriteIniString(pipe, "PARA", "Fo", "1G"));
    EXPECT_EQ(ReadIniString(pipe, "PARA", "Fo"), "");
}

TEST(AtomicFile, ALinkKeepsPointingAtItsReplacedTarget) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("real"));
    ASSERT_TRUE(WriteFileAtomically(dir.file("real/para.ini"), "old"));
    std::filesystem::create_symlink("real/para.ini", dir.file("para.ini"));
    std::filesystem::create_symlink("real/new.smh", dir.file("dangling.smh"));
    ASSERT_TRUE(WriteFileAtomically(dir.file("para.ini"), "new"));
    ASSERT_TRUE(WriteFileAtomically(dir.file("dangling.smh"), "made"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("para.ini")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("dangling.smh")));
    EXPECT_EQ(ReadWholeFile(dir.file("real/para.ini")), "new");
    EXPECT_EQ(ReadWholeFile(dir.file("real/new.smh")), "made");
}

TEST(AtomicFile, AReadOnlyFileIsRefusedAndLeftoverTemporariesAreRemoved) {
    test::TempDir dir;
    const std::string path = dir.file("design.smh");
    ASSERT_TRUE(WriteFileAtomically(path, "kept"));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    FileFailure failure;
    EXPECT_FALSE(WriteFileAtomically(path, "lost", &failure));
    EXPECT_EQ(failure.problem, FileProblem::ReadOnly);
    EXPECT_EQ(failure.path, path);
    EXPECT_EQ(ReadWholeFile(path), "kept");

    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    ASSERT_TRUE(WriteFileAtomically(dir.file(".design.smh.a1B2c3"), "left by a killed save"));
    ASSERT_TRUE(WriteFileAtomically(dir.file(".other.smh.a1B2c3"), "another file's"));
    ASSERT_TRUE(WriteFileAtomically(path, "saved"));
    EXPECT_FALSE(std::filesystem::exists(dir.file(".design.smh.a1B2c3")));
    EXPECT_TRUE(std::filesystem::exists(dir.file(".other.smh.a1B2c3")));
}
