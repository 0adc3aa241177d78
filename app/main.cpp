#include "app/application.h"
#include "app/batch_run.h"
#include "app/command_line.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "core/settings/atomic_file.h"
#include "core/settings/para_ini.h"
#include "core/settings/program_directory.h"
#include "core/settings/program_state.h"
#include "ui/language.h"
#include "ui/message_hub.h"
#include "ui/prompter.h"

#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <iostream>

// Under Xvfb the X11 platform's D-Bus connection keeps one allocation until exit; the leak
// checker of sanitised builds is told so instead of failing every run.
extern "C" const char* __lsan_default_suppressions() { // NOLINT(bugprone-reserved-identifier)
    return "leak:libdbus-1.so\n";
}

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "quorvane: %s\n", message.c_str());
    return 2;
}

// A second start asks whether to go on; "No" brings the running window to the front instead.
// Returns false when this start should end.
bool ClaimSingleInstance(qv::SingleInstance& instance, qv::Prompter& prompter) {
    if (!instance.anotherIsRunning()) {
        instance.listen();
        return true;
    }
    if (prompter.ask(QCoreApplication::translate("Startup", "软件已经运行还要运行码？")) ==
        qv::Prompter::Answer::Yes)
        return true;
    instance.askRunningToRaise();
    return false;
}

} // namespace

int main(int argc, char** argv) {
    qv::IgnoreFileSizeSignal();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const qv::CommandLine options = qv::ParseCommandLine(args, std::getenv("QUORVANE_HOME"));
    if (!options.error.empty())
        return Fail(options.error);
    qv::PictureSize chartSize{qv::LaidOutChartWidth, qv::LaidOutChartHeight};
    if (!options.chartSize.empty()) {
        const std::optional<qv::PictureSize> parsed = qv::ParsePictureSize(options.chartSize);
        if (!parsed)
            return Fail("--chart-size needs WxH, for example 841x633");
        chartSize = *parsed;
    }
    const std::optional<qv::Language> language = qv::LanguageOption(options.lang);
    if (!options.lang.empty() && !language)
        return Fail("--lang needs en or zh");
    if (!options.batch.empty() && !options.chartSize.empty())
        return Fail("--chart-size is not used with --batch: the chart is the main window's drawing area");

    // A headless run needs no display: it renders off screen unless a platform was chosen.
    const bool headless = !options.saveChart.empty() || !options.batch.empty();
    if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    qv::QuorvaneApplication app(argc, argv);
    qv::QuorvaneApplication::setApplicationName(QStringLiteral("Quorvane"));
    const std::string programDirectory =
        qv::ResolveProgramDirectory(QCoreApplication::applicationDirPath().toStdString(), options.dataDir);
    // A batch run speaks English only when asked on its command line, so that scripts reading
    // its output keep working whatever the settings say.
    if (!options.batch.empty() && language == qv::Language::English && !qv::InstallLanguage(*language))
        return Fail("the English catalogue could not be loaded");
    if (!options.batch.empty())
        return qv::RunBatch({programDirectory, options.batch, options.saveChart}, std::cin, std::cout,
                            std::cerr);
    if (headless)
        return qv::SaveChartPicture(programDirectory, options.saveChart, chartSize);

    const std::string storedLanguage =
        qv::ParaIni(programDirectory).ReadParaString(qv::LanguageSettingKey, "");
    if (!qv::InstallLanguage(qv::ChooseLanguage(language, std::getenv("QUORVANE_LANG"), storedLanguage)))
        std::fprintf(stderr, "quorvane: the interface's translation could not be loaded\n");
    qv::QuorvaneApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quorvane")));
    qv::QuorvaneApplication::setDesktopFileName(QStringLiteral("quorvane"));

    qv::QtPrompter prompter;
    app.setErrorPrompter(&prompter);
    qv::SingleInstance instance(qv::SingleInstance::DefaultServerName());
    if (!ClaimSingleInstance(instance, prompter))
        return 0;

    qv::ProgramState state(programDirectory);
    qv::MessageHub hub;
    qv::ApplicationWindows windows(state, hub, prompter);
    QObject::connect(&instance, &qv::SingleInstance::raiseRequested, &windows.main, [&windows] {
        windows.main.showMaximized();
        windows.main.raise();
        windows.main.activateWindow();
    });
    windows.main.showMaximized();
    const int code = QApplication::exec();
    app.setErrorPrompter(nullptr);
    return code;
}
