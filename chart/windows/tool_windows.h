#pragma once

#include "core/numbers/complex.h"

#include <QPoint>

class QWidget;

namespace qv {

// The right-click popup that makes a point of the chart the load or the source.
class EndPicker {
public:
    virtual ~EndPicker() = default;
    // Shows the popup beside the cursor (a screen point), holding the impedance in ohms.
    virtual void showAt(QPoint cursor, Complex ohms) = 0;
};

// The windows the main window shows, moves or hides. Each is created once at start-up and
// plugged in here; a button whose window is not plugged in does nothing.
struct ToolWindows {
    QWidget* settings = nullptr;             // TForm4, "设置"
    QWidget* gammaEntry = nullptr;           // Tfinhro, "Rho"
    QWidget* impedanceEntry = nullptr;       // Tfinrx, "R+JX"
    QWidget* constantQ = nullptr;            // TfquQ, "等Q圆"
    QWidget* constantVswr = nullptr;         // Tqswr, "VSWR"
    QWidget* admittanceEntry = nullptr;      // Tfgb, "Y+BX "
    QWidget* calculator = nullptr;           // TForm1, "工具"
    QWidget* matchingSetup = nullptr;        // Tforg, "匹配设置"
    QWidget* elementInsertion = nullptr;     // Tflcop, "增加元件"
    QWidget* twoPortCalculator = nullptr;    // Tffscalc, "参数计算"
    QWidget* microstripCalculator = nullptr; // TcalcMirc, "微带计算"
    QWidget* console = nullptr;              // Tfordin, "命令输入"
    QWidget* sparameterTable = nullptr;      // TFspopt, "S参数输入"
    QWidget* about = nullptr;                // Tfabout, "关于"
    QWidget* parameterDisplay = nullptr;     // Tdisppara: floats beside the cursor
    QWidget* setSelection = nullptr;         // Tfsetselect: the right-click popup
    EndPicker* endPicker = nullptr;          // the same popup, to show it at a point
    QWidget* frequencyResponse = nullptr;    // Tfresp, "频率响应"
    QWidget* autoMatch = nullptr;            // AutoMatchWindow, "自动匹配"
    QWidget* amplifierStage = nullptr;       // AmplifierStageWindow, "放大器"
};

} // namespace qv
