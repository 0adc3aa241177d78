#pragma once

#include "chart/analysis/cursor_readout.h"
#include "chart/drawing/network_port.h"
#include "chart/drawing/surface.h"
#include "chart/model/chart_overlays.h"
#include "chart/windows/chart_view.h"
#include "chart/windows/tool_windows.h"

#include <QImage>
#include <QMainWindow>
#include <array>
#include <optional>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qv {

class MessageHub;
class Prompter;
class ToolDocks;
struct ProgramState;

// The main window "圆图": the Smith chart with its live readouts, markers and tool panel. It owns
// the chart picture ChartBitmap; the screen shows a copy of it, plus the live cursor label.
class TForm2 final : public QMainWindow, public ChartViewHandler {
    Q_OBJECT
public:
    TForm2(ProgramState& state, MessageHub& hub, Prompter& prompter, QWidget* parent = nullptr);
    ~TForm2() override;

    ToolWindows& toolWindows() { return tools_; }
    // Puts the tool windows that work beside the chart into docks, once they are all plugged in,
    // and restores the arrangement stored at the last close.
    void dockToolWindows();
    // "默认布局": every dock back where a fresh start puts it, closed.
    void resetLayout();
    const CursorReadout& cursorReadout() const { return cursorReadout_; }
    CursorReadout& cursorReadout() { return cursorReadout_; }

    // The chart picture and the surface that draws into it (pen, brush and font persist).
    QImage& chartBitmap();
    Surface& chartSurface() { return bitmapSurface_; }
    // The chart as the picture shows it (grid, overlays, network) drawn again on another surface of
    // the picture's size, such as a vector one.
    void drawPicture(Surface& surface);
    // Writes the picture: SVG or PDF for such a name, PNG for .png, BMP otherwise; false when the
    // file could not be written (the old one is then left).
    bool savePicture(const std::string& path);
    // Copies the picture to the screen, removing a live cursor label.
    void refreshChartArea();
    // The label kind of the radio buttons for a placed marker (0 for "元件值", "反射" or none).
    int markerLabelKind() const;
    // The colour of the colour box, used for placed markers.
    int markerColour() const { return markerColour_; }

    QString statusPanelText(int panel) const; // panels 0..4

    void PaintBox1Paint(QPainter& painter) override;
    void PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int X, int Y) override;
    void PaintBox1MouseDown(Qt::MouseButton button, bool doubleClick, int X, int Y) override;

    // The matching network, plugged in by the application; until then the chart shows none.
    void setNetwork(NetworkPort* network);
    // After every change of the network, its ends, Fo, Zo or the modes.
    void networkChanged(NetworkRedraw how);
    // The stability-circle copy-data block.
    void WmCopyData(const QByteArray& block);

    // The overlay layers stay on the chart through every redraw of the network and every resize
    // until their own clear control or "清除" removes them.
    const ChartOverlays& overlays() const { return overlays_; }
    // A gain or noise circle of a two-port design.
    void addOverlayCircle(const OverlayCircle& circle);
    // A point or curve placed by a click or an entry window.
    void addMark(const ChartMark& mark);
    // Points of an S-parameter file.
    void addPointPlot(PointPlot plot);
    // The frequency-response locus (nothing: none). Drawn at the next whole redraw.
    void setResponseLocus(std::optional<ResponseLocus> locus);
    void clearOverlay(OverlayLayer layer);
    // A short note in the last status panel.
    void showStatusMessage(const QString& text);

    void BitBtn1Click();  // "清除"
    void BitBtn11Click(); // "保存圆图"
    void printClick();    // "打印圆图"
    void BitBtn15Click(); // "删除元件"
    void BitBtn16Click(); // "重新计算"
    void undoClick();     // "撤销", Ctrl+Z
    void redoClick();     // "重做", Ctrl+Shift+Z or Ctrl+Y
    void openClick();     // "打开" a network file, Ctrl+O
    void saveClick();     // "保存" the network as a file, Ctrl+S
    void Panel2Click();   // "色盒"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A network changed since it was last saved or loaded is offered for saving first.
    void closeEvent(QCloseEvent* event) override;
    // Asks whether a changed network is to be saved first: false when the user cancels (or the
    // save fails), true when the network may be replaced.
    bool offerToSave();
    // Asks for a file name and saves the network; false when cancelled or not written.
    bool saveNetworkAs();
    // The window's place and its docks' arrangement, stored with the other settings.
    void storeLayout();

private:
    struct LiveLabel {
        int X = 0;
        int Y = 0;
        int kind = 1;
        CursorReadout readout;
    };

    void buildToolPanel();
    void buildReadoutLabels();
    QPushButton* addToolButton(const char* name, const QString& caption, const QString& statusText,
                               const QString& hint);
    void showTool(QWidget* window);
    void keepClearOfReadouts(QWidget& window);
    void layoutLabels();
    void FormResize();
    void setGeometryFromDrawingArea();
    void redrawFreshChart();
    bool bitmapMatchesDrawingArea() const;
    void applyReadout(const MouseReadout& readout);
    void sendReadoutMessage(const MouseReadout& readout);
    void followCursorWithDisplay(int X, int Y);
    int liveLabelKind() const;
    void setColourBox(int colour, int textColour);

    void buildClearControls(QWidget* row);
    void redrawNetwork();
    // A fresh chart with the network and the overlay layers over it, without a repaint.
    void drawWholeChart();
    // The network and the overlay layers over a fresh chart, on the screen's picture or an export.
    void drawOverFreshChart(Surface& surface);
    // The match figures of the last node against the source; numberFormat is "%4.2f" after a
    // whole redraw and "%4.2fdb" after an element was appended.
    void refreshMatchFigures(const char* numberFormat);
    // Status panel 4, "接入元件%d".
    void showNodeCount();
    // "Freq=" and "Zo=".
    void showFrequencyAndImpedance();

    ProgramState& state_;
    MessageHub& hub_;
    Prompter& prompter_;
    ToolWindows tools_;
    NetworkPort* network_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* redoButton_ = nullptr;

    QImage chartBitmap_;
    ImageSurface bitmapSurface_;
    CursorReadout cursorReadout_;
    std::optional<LiveLabel> liveLabel_;
    QByteArray readoutBlock_;
    int markerColour_ = 0;
    ChartOverlays overlays_;
    ToolDocks* docks_ = nullptr; // a child of the window

    QFrame* panel1_ = nullptr;
    QFrame* tabControl1_ = nullptr;
    QFrame* scrollBox1_ = nullptr;
    ChartView* paintBox1_ = nullptr;
    // The readout labels, at the numbers of their object names Label1..Label16; 0 is labelmove.
    enum ReadoutLabel {
        MoveLabel = 0,
        FrequencyLabel,
        ZoLabel,
        ImpedanceLabel,
        ElementLabel,
        ReflectionLabel,
        NormalisedImpedanceLabel,
        AdmittanceLabel,
        AdmittanceSiemensLabel,
        QualityLabel,
        VswrLabel,
        VoltageReflectionLabel,
        PowerReflectionLabel,
        ReturnLossRatioLabel,
        MatchReturnLossLabel,
        MatchVswrLabel,
        MatchMismatchLossLabel,
    };
    std::array<QLabel*, 17> labels_{}; // at their ReadoutLabel numbers
    std::array<QLabel*, 5> statusPanels_{};
    std::array<QRadioButton*, 8> radioButtons_{}; // RadioButton1..7 at their numbers
    QCheckBox* checkBox1_ = nullptr;
    QPushButton* panel2_ = nullptr;
};

} // namespace qv
