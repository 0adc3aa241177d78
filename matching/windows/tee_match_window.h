#pragma once

#include <QWidget>
#include <array>

class QLineEdit;
class QTabWidget;

namespace qv {

class Prompter;

// "匹配计算": a small bench calculator beside the chart with three pages, the T-network design
// ("T匹配计算"), the reactance of C and L with a decibel ratio ("电抗计算") and two values in
// parallel ("基本计算"). It does not touch the matching network.
//
// Conversion and arithmetic errors (an empty field, a non-integer "Fin(M)", RL of 0 or above the
// source resistance) escape the handlers to the application's error handler; every output field
// then keeps its previous text.
class TForm3 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click(); // "再计算LC"
    void BitBtn3Click(); // "容抗"
    void BitBtn4Click(); // "感抗"
    void BitBtn5Click(); // "计算" dB to ratio
    void BitBtn6Click(); // "计算" X1//X2

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The fields, at the numbers of their object names Edit1..Edit22.
    enum Field {
        LoadOhms = 1,
        LoadReactance,
        SourceOhms,
        Q1,
        InputInductance,
        InputResistance,
        C1,
        L1,
        C2,
        FrequencyMHz,
        Q2,
        Capacitance,
        CapacitorFrequency,
        CapacitorReactance,
        Inductance,
        InductorFrequency,
        InductorReactance,
        Decibels,
        Ratio,
        ParallelX1,
        ParallelX2,
        ParallelResult,
    };
    QWidget* buildTeePage();
    QWidget* buildReactancePage();
    QWidget* buildParallelPage();
    QLineEdit* addEdit(QWidget* page, Field number, int x, int y, int width = 70);
    QLineEdit* field(Field number) const { return edits_[static_cast<std::size_t>(number)]; }

    Prompter& prompter_;
    QTabWidget* pages_ = nullptr;
    std::array<QLineEdit*, 23> edits_{}; // Edit1..Edit22 at their numbers
};

} // namespace qv
