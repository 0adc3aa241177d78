#include "app/startup.h"

#include "app/command_line.h"
#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/chart_picture.h"
#include "chart/drawing/vector_picture.h"
#include "core/settings/program_state.h"
#include "matching/analysis/touchstone/touchstone_load.h"

#include <QString>
#include <cstdio>

namespace qv {

ApplicationWindows::ApplicationWindows(ProgramState& state, MessageHub& hub, Prompter& prompter)
    : network(state), main(state, hub, prompter), networkLink(network), designTarget(network), canvas(main),
      matchCalculation(prompter, &main), settings(state, prompter, &main),
      gammaEntry(state, canvas, prompter, &main), impedanceEntry(state, canvas, prompter, &main),
      twoPortCalculator(state, hub, prompter, &main), constantQ(state, canvas, prompter, &main),
      constantVswr(state, canvas, prompter, &main), admittanceEntry(state, canvas, prompter, &main),
      matchingSetup(state, network, canvas, prompter, &main),
      elementInsertion(state, network, prompter, &main), fileInput(state, hub, prompter, &main),
      console(network, prompter, &main), sparameterTable(state, canvas, hub, prompter, &main),
      setSelection(network, prompter, &main), about(&main), calculator(state.programDir, prompter, &main),
      microstripCalculator(state.effflag, prompter, &main), parameterDisplay(hub),
      frequencyResponse(state, prompter, ReadLoadFile, &main), autoMatch(network, prompter, &main),
      amplifierStage(state, prompter, &main) {
    // Zo is known once the main window has read para.ini: slot 0 holds it.
    network.reset();
    // The frequency response is computed before the chart draws its locus.
    QObject::connect(&network, &NetworkModel::changed, &frequencyResponse, &Tfresp::networkChanged);
    QObject::connect(&network, &NetworkModel::changed, &main, [this](NetworkChange change) {
        // A locus on the chart changes with every element: the picture is redrawn whole. A locus
        // the user cleared stays away until the next sweep.
        const bool locusShown = main.overlays().holds(OverlayLayer::ResponseLocus);
        if (locusShown)
            main.setResponseLocus(frequencyResponse.locus());
        const bool onlyLastElement = change == NetworkChange::Appended && !locusShown;
        main.networkChanged(onlyLastElement ? NetworkRedraw::LastElement : NetworkRedraw::Whole);
    });
    main.setNetwork(&networkLink);
    settings.setNetwork(&networkLink);

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
    tools.twoPortCalculator = &twoPortCalculator;
    tools.microstripCalculator = &microstripCalculator;
    microstripCalculator.followFrequency(state.Fo);
    tools.parameterDisplay = &parameterDisplay;
    tools.sparameterTable = &sparameterTable;
    console.setSParameterTable(&sparameterTable);
    console.setChartCircleSink([this](const OverlayCircle& circle) { main.addOverlayCircle(circle); });
    twoPortCalculator.setDesignTarget(&designTarget);
    twoPortCalculator.setChartCircleSink(
        [this](const OverlayCircle& circle) { main.addOverlayCircle(circle); });
    twoPortCalculator.setFileInputWindow(&fileInput);
    tools.setSelection = &setSelection;
    tools.endPicker = &setSelection;
    QObject::connect(&setSelection, &Tfsetselect::networkRestarted, &main, &TForm2::showStatusMessage);

    console.shareSweepSession(frequencyResponse.sweepSession());
    QObject::connect(&frequencyResponse, &Tfresp::locusChanged, &main, [this] {
        main.setResponseLocus(frequencyResponse.locus());
        main.networkChanged(NetworkRedraw::Whole);
    });
    tools.frequencyResponse = &frequencyResponse;
    tools.autoMatch = &autoMatch;
    tools.amplifierStage = &amplifierStage;
    autoMatch.setCanvas(&canvas);
    main.dockToolWindows();
}

int SaveChartPicture(const std::string& programDirectory, const std::string& path, const PictureSize& size) {
    ProgramState state(programDirectory);
    state.loadStoredSettings();
    const ChartGeometry geometry = GeometryForHeight(size.height);
    const auto draw = [&](Surface& surface) { DrawFreshChart(surface, geometry, state.colours); };
    bool saved = false;
    if (const std::optional<VectorFormat> format = VectorFormatOf(path)) {
        saved = SaveVectorPictureAtomically(path, *format, size.width, size.height,
                                            SurfacePicture(size.width, size.height, draw));
    } else {
        QImage picture = MakeChartImage(size.width, size.height);
        {
            ImageSurface surface(picture);
            draw(surface);
        }
        saved = SavePictureAtomically(picture, path, PictureFormatOf(path));
    }
    if (!saved) {
        std::fprintf(stderr, "quorvane: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

} // namespace qv
