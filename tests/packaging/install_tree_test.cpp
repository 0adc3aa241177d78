#include "support/test_paths.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace qv {
namespace {

namespace fs = std::filesystem;

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun RunProgram(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// One `cmake --install` of the build into a temporary prefix, shared by the cases below.
class InstallTree : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefixDir_ = new test::TempDir;
        const ProgramRun run =
            RunProgram(QStringLiteral(QV_CMAKE_COMMAND),
                       {QStringLiteral("--install"), QStringLiteral(QV_BUILD_DIR), QStringLiteral("--prefix"),
                        QString::fromStdString(prefixDir_->path())});
        installed_ = run.exitCode == 0;
        if (!installed_)
            std::fprintf(stderr, "cmake --install failed:\n%s\n", qPrintable(run.err));
    }
    static void TearDownTestSuite() {
        delete prefixDir_;
        prefixDir_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(installed_); }

    static fs::path prefix() { return prefixDir_->path(); }

    static inline test::TempDir* prefixDir_ = nullptr;
    static inline bool installed_ = false;
};

TEST_F(InstallTree, PutsEveryFileInItsStandardPlace) {
    const fs::path share = prefix() / "share";
    for (const fs::path& file :
         {prefix() / "bin/quorvane", share / "applications/quorvane.desktop",
          share / "icons/hicolor/scalable/apps/quorvane.svg", share / "man/man1/quorvane.1.gz",
          share / "quorvane/examples/demo_match.txt"})
        EXPECT_TRUE(fs::is_regular_file(file)) << file;
    EXPECT_NE(fs::status(prefix() / "bin/quorvane").permissions() & fs::perms::others_exec, fs::perms::none);

    const QStringList sizes = QStringLiteral(QV_PNG_ICON_SIZES).split(u' ', Qt::SkipEmptyParts);
    if (sizes.isEmpty())
        GTEST_SKIP() << "built without rsvg-convert: no bitmap icons";
    for (const QString& size : sizes) {
        const fs::path png =
            share / "icons/hicolor" / (size + u'x' + size).toStdString() / "apps/quorvane.png";
        EXPECT_EQ(ReadText(png).substr(1, 3), "PNG") << png;
    }
}

TEST_F(InstallTree, DesktopEntryValidatesAndStartsTheProgram) {
    const fs::path entry = prefix() / "share/applications/quorvane.desktop";
    const std::string text = ReadText(entry);
    for (const char* line :
         {"\nExec=quorvane\n", "\nIcon=quorvane\n", "\nCategories=Science;Engineering;Electronics;\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian: desktop-file-utils)";
    const ProgramRun run = RunProgram(validator, {QString::fromStdString(entry.string())});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out + run.err, QString()); // hints and warnings too
}

TEST_F(InstallTree, ManualPageRendersWithoutWarnings) {
    const QString man = QStandardPaths::findExecutable(QStringLiteral("man"));
    if (man.isEmpty())
        GTEST_SKIP() << "man is not installed";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    const ProgramRun run = RunProgram(
        man,
        {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"), QStringLiteral("-l"),
         QString::fromStdString((prefix() / "share/man/man1/quorvane.1.gz").string())},
        environment);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QString());
    for (const char* heading :
         {"SYNOPSIS", "BATCH COMMANDS", "FILES", "PROGRAM DIRECTORY", "--batch", "--lang"})
        EXPECT_TRUE(run.out.contains(QLatin1String(heading))) << heading;
}

TEST_F(InstallTree, InstalledProgramKeepsParaIniInTheUserFolder) {
    test::TempDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QUORVANE_HOME"));
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path()));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(home.file("config")));
    const std::string chart = home.file("chart.png");
    const ProgramRun run =
        RunProgram(QString::fromStdString((prefix() / "bin/quorvane").string()),
                   {QStringLiteral("--save-chart"), QString::fromStdString(chart)}, environment);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(fs::is_regular_file(chart));
    EXPECT_TRUE(fs::is_regular_file(home.file("config/quorvane/para.ini")));
    EXPECT_FALSE(fs::exists(prefix() / "bin/para.ini")); // the prefix is writable here, and still untouched
}

} // namespace
} // namespace qv
