#include "app/startup.h"

#include "app/command_line.h"
#include "chart/chart_geometry.h"
#include "chart/chart_picture.h"
#include "chart/chart_settings.h"
#include "chart/program_state_qt.h"

#include <QString>
#include <cstdio>

namespace qv {

ApplicationWindows::ApplicationWindows(ProgramState& state, MessageHub& hub, Prompter& prompter)
    : main(state, hub, prompter), canvas(main), matchCalculation(prompter), settings(state, hub, prompter),
      gammaEntry(state, canvas, prompter), impedanceEntry(state, canvas, prompter),
      constantQ(state, canvas, prompter), constantVswr(state, canvas, prompter),
      admittanceEntry(state, canvas, prompter), matchingSetup(state, canvas, hub, prompter),
      elementInsertion(state, canvas, hub, prompter), console(state, hub, prompter), about(&main),
      calculator(state.programDir, prompter), microstripCalculator(state.effflag, prompter),
      parameterDisplay(hub) {
    ToolWindows& tools = main.toolWindows();
    tools.settings = &settings;
    tools.gammaEntry = &gammaEntry;
    tools.impedanceEntry = &impedanceEntry;
    tools.constantQ = &constantQ;
    tools.constantVswr = &constantVswr;
    tools.admittanceEntry = &admittanceEntry;
    tools.matchingSetup = &matchingSetup;
    tools.elementInsertion = &elementInsertion;
    tools.console = &console;
    tools.about = &about;
    tools.calculator = &calculator;
    calculator.setChartWindow(&main);
    calculator.setMatchCalculationWindow(&matchCalculation);
    tools.microstripCalculator = &microstripCalculator;
    tools.parameterDisplay = &parameterDisplay;
}

int SaveChartPicture(const std::string& programDirectory, const std::string& path, const PictureSize& size) {
    ProgramState state(programDirectory);
    LoadChartSettings(state);
    QImage picture = MakeChartImage(size.width, size.height);
    {
        ImageSurface surface(picture);
        DrawFreshChart(surface, GeometryForHeight(size.height), state.colours);
    }
    const bool png = QString::fromStdString(path).endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    if (!SavePictureAtomically(picture, path, png ? "PNG" : "BMP")) {
        std::fprintf(stderr, "quorvane: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

} // namespace qv
