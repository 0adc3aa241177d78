#include "app/command_line.h"
#include "app/settings_load.h"
#include "core/program_directory.h"

#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const qv::CommandLine options = qv::ParseCommandLine(args, std::getenv("QUORVANE_HOME"));
    if (!options.error.empty()) {
        std::fprintf(stderr, "quorvane: %s\n", options.error.c_str());
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));

    qv::ProgramState state(qv::ResolveProgramDirectory(QCoreApplication::applicationDirPath().toStdString(),
                                                       options.dataDir));
    qv::LoadChartSettings(state);

    QMainWindow window;
    window.setObjectName(QStringLiteral("TForm2"));
    window.setWindowTitle(QStringLiteral("圆图"));
    window.resize(934, 723);
    window.showMaximized();
    return QApplication::exec();
}
