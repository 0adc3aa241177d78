#pragma once

#include "core/numbers/errors.h"
#include "matching/analysis/auto_match.h"
#include "ui/fixed_dialog.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace qv {

class ChartCanvas;
class NetworkModel;
class Prompter;

// "自动匹配": every L, Pi, T and single-stub match between the load and the source of the
// network, in a table with exact and standard values, and the chosen one built into the network
// in one step (one undo step), exactly as if its elements had been added by hand.
class AutoMatchWindow final : public FixedDialog {
    Q_OBJECT
public:
    AutoMatchWindow(NetworkModel& network, Prompter& prompter, QWidget* parent = nullptr);

    // The chart a selected solution is previewed on; without one there is no preview.
    void setCanvas(ChartCanvas* canvas) { canvas_ = canvas; }

    void solveClick(); // "计算"
    void applyClick(); // "应用"

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The loaded Q (nothing when its field is empty) and the substrate in millimetres, each field
    // refused by its caption; the substrate is checked only for the single stub.
    struct MatchInputs {
        std::optional<Real> Q;
        std::array<Real, 4> substrate{};
    };
    Refusable<MatchInputs> readInputs(bool stub) const;
    void showSolutions();
    // The list stands for the ends, Fo, Zo and mode it was calculated for: after a change of
    // them it is greyed out until the next calculation.
    void networkChanged();
    void showDesignTarget();
    void preview(int row);
    int selectedRow() const; // -1 for none

    NetworkModel& network_;
    ChartCanvas* canvas_ = nullptr;
    Prompter& prompter_;
    std::array<QCheckBox*, 4> topologies_{}; // L, Pi, T, single stub
    QLineEdit* q_ = nullptr;
    std::array<QLineEdit*, 4> substrate_{}; // W, H, T in millimetres, Er
    QComboBox* series_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* reasons_ = nullptr;
    QLabel* target_ = nullptr;
    QCheckBox* standard_ = nullptr;
    QCheckBox* shorted_ = nullptr; // the single stub shorted at its end
    AutoMatchRequest request_;
    AutoMatchResult result_;
};

} // namespace qv
