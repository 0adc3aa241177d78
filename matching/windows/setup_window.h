#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/errors.h"
#include "core/settings/spara_file.h"
#include "matching/model/network_ends.h"
#include "matching/model/network_model.h"
#include "ui/fixed_dialog.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace qv {

class ChartCanvas;
class Prompter;
struct ProgramState;

// "匹配总是从负载向源方向匹配，所以请先设置": the matching setup. It states the load (where
// the network starts) and the source (what the network must present at its far end) as slot 1
// of the network, marks both on the chart and remembers the entries in para.ini. Two entry
// groups: impedances (ohms or normalised) applied with BitBtn1, and reflection coefficients
// (magnitude, linear or in dB, and angle) applied with "参数转换" or "确定".
//
// Every field is checked before anything changes: a rejected field shows "输入错误！". In the
// reflection group the load row is applied before the source row is read, so a rejected source
// leaves the new load in place.
class Tforg final : public FixedDialog {
    Q_OBJECT
public:
    Tforg(ProgramState& state, NetworkModel& network, ChartCanvas& canvas, Prompter& prompter,
          QWidget* parent = nullptr);

    void BitBtn1Click();               // apply the impedance group and close
    void Button21Click(bool keepOpen); // apply the reflection group
    void Button4Click();               // "在用数据"
    void bursh();                      // refill the impedance group from the network
    void Button3Click();               // "倒换数据"
    void BitBtn3Click();               // "L": load both groups from a parameter file
    void BitBtn4Click();               // "S": save both groups to a parameter file
    // Another window or the console changed the ends of the network: refill the impedance group.
    void networkChanged(NetworkChange change);

private:
    // The fields, at the numbers of their object names Edit1..Edit8.
    enum Field {
        LoadR = 1,
        LoadX,
        SourceR,
        SourceX,
        LoadMagnitude,
        LoadAngle,
        SourceMagnitude,
        SourceAngle,
    };
    // The impedance group: both ends as typed, or "输入错误！" at the first field that is no number.
    struct TypedEnds {
        TypedEnd load;
        TypedEnd source;
    };
    Refusable<TypedEnds> readImpedances() const;
    // One row of the reflection group. The rows are read one at a time: the load row is applied
    // before the source row is read.
    struct ReflectionRow {
        Real magnitude = 0;
        Real angleDegrees = 0;
    };
    Refusable<ReflectionRow> readReflection(Field magnitude, Field angle) const;

    SetupEntries entries() const;
    void showEntries(const SetupEntries& entries);
    // Restart or keep the elements: NodeCount 1 with "重新开始", otherwise at least 1.
    EndsRule endsRule() const;
    void setEnds(Complex load, Complex source);
    QLineEdit* edit(Field n) const { return edits_[static_cast<std::size_t>(n)]; }

    ProgramState& state_;
    NetworkModel& network_;
    ChartCanvas& canvas_;
    Prompter& prompter_;
    std::array<QLineEdit*, 9> edits_{}; // Edit1..Edit8 at their numbers
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox3_ = nullptr;
    QCheckBox* checkBox4_ = nullptr;
    bool applying_ = false;
};

} // namespace qv
