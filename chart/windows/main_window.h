#pragma once

#include "chart/analysis/cursor_readout.h"
#include "chart/drawing/network_port.h"
#include "chart/drawing/overlay_circles.h"
#include "chart/drawing/stability_circles.h"
#include "chart/drawing/surface.h"
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
struct ProgramState;

// The main window "圆图": the Smith chart with its live readouts, markers and tool panel. It owns
// the chart picture ChartBitmap; the screen shows a copy of it, plus the live cursor label.
class TForm2 final : public QMainWindow, public ChartViewHandler {
    Q_OBJECT
public:
    TForm2(ProgramState& state, MessageHub& hub, Prompter& prompter, QWidget* parent = nullptr);
    ~TForm2() override;

    ToolWindows& toolWindows() { return tools_; }
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
    // A gain or noise circle of a two-port design. Like the stability circles it stays through
    // every redraw of the network until "清除".
    void addOverlayCircle(const OverlayCircle& circle);

    void BitBtn1Click();  // "清除"
    void BitBtn11Click(); // "保存圆图"
    void printClick();    // "打印圆图"
    void BitBtn15Click(); // "删除元件"
    void BitBtn16Click(); // "重新计算"
    void undoClick();     // "撤销", Ctrl+Z
    void redoClick();     // "重做", Ctrl+Shift+Z
    void Panel2Click();   // "色盒"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A network changed since it was last saved or loaded is offered for saving first.
    void closeEvent(QCloseEvent* event) override;

private:
    struct LiveLabel {
        int X = 0;
        int Y = 0;
        int kind = 1;
        CursorReadout readout;
    };

    void buildToolPanel();
    void buildReadoutLabels();
    QPushButton* addToolButton(const char* name, const char* caption, const char* statusText,
                               const char* hint);
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

    void redrawNetwork();
    // A fresh chart with the two-port overlays still on it.
    void redrawChartWithOverlays();
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
    std::optional<StabilityCircles> stabilityCircles_;
    std::optional<StabilitySides> stabilitySides_; // nothing: the block said no side
    std::vector<OverlayCircle> overlayCircles_;

    QFrame* panel1_ = nullptr;
    QFrame* tabControl1_ = nullptr;
    QFrame* scrollBox1_ = nullptr;
    ChartView* paintBox1_ = nullptr;
    std::array<QLabel*, 17> labels_{}; // Label1..Label16 at their numbers; [0] is labelmove
    std::array<QLabel*, 5> statusPanels_{};
    std::array<QRadioButton*, 8> radioButtons_{}; // RadioButton1..7 at their numbers
    QCheckBox* checkBox1_ = nullptr;
    QPushButton* panel2_ = nullptr;
};

} // namespace qv
