#include "matching/drawing/network_chart_link.h"

#include "chart/drawing/network_end_points.h"
#include "core/numbers/errors.h"
#include "core/numbers/text_format.h"
#include "matching/analysis/match_figures.h"
#include "matching/drawing/network_drawing.h"
#include "matching/model/network_model.h"

#include <QCoreApplication>

namespace qv {

int NetworkChartLink::nodeCount() const {
    return model_.nodeCount();
}

void NetworkChartLink::drawNetwork(Surface& chart) const {
    const ProgramState& state = model_.state();
    DrawNetworkEndPoints(chart, state.geometry, state.network[1], state.Zo);
    DrawNetworkPaths(state, chart, model_.computedNodeCount());
}

void NetworkChartLink::drawLastElement(Surface& chart) const {
    const int n = model_.computedNodeCount();
    DrawNetworkPaths(model_.state(), chart, n, n - 1);
}

std::optional<MatchFigureLines> NetworkChartLink::matchFigures(std::string_view numberFormat) const {
    if (model_.nodeCount() < 1)
        return std::nullopt;
    return FormatMatchFigures(model_.state(), numberFormat, model_.computedNodeCount());
}

void NetworkChartLink::recalculate() {
    model_.recalculate();
}

void NetworkChartLink::deleteLastElement() {
    model_.removeLast();
}

bool NetworkChartLink::setFrequency(Real hertz) {
    return static_cast<bool>(model_.setFrequency(hertz));
}

bool NetworkChartLink::setReferenceImpedance(Real ohms) {
    return static_cast<bool>(model_.setReferenceImpedance(ohms));
}

bool NetworkChartLink::unsavedChanges() const {
    return model_.unsavedChanges();
}

std::string NetworkChartLink::saveTo(const std::string& path) {
    const FileOutcome outcome = model_.saveFile(path);
    return outcome.reason();
}

std::string NetworkChartLink::openFrom(const std::string& path) {
    try {
        if (const FileOutcome outcome = model_.loadFile(path); !outcome)
            return QCoreApplication::translate("qv::NetworkChartLink", "载入失败: %1")
                .arg(QString::fromStdString(outcome.reason()))
                .toStdString();
        return {};
    } catch (const FloatingPointError& error) {
        return QCoreApplication::translate("qv::NetworkChartLink", "第%1个元件无法计算: %2")
            .arg(QString::fromStdString(Format("%d", {model_.computedNodeCount() + 1})),
                 QString::fromStdString(error.what()))
            .toStdString();
    }
}

bool NetworkChartLink::undo() {
    return model_.undo();
}

bool NetworkChartLink::redo() {
    return model_.redo();
}

bool NetworkChartLink::canUndo() const {
    return model_.canUndo();
}

bool NetworkChartLink::canRedo() const {
    return model_.canRedo();
}

} // namespace qv
