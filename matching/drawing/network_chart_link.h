#pragma once

#include "chart/drawing/network_port.h"

namespace qv {

class NetworkModel;

// The matching network model as the chart windows reach it.
class NetworkChartLink final : public NetworkPort {
public:
    explicit NetworkChartLink(NetworkModel& model) : model_(model) {}

    int nodeCount() const override;
    void drawNetwork(Surface& chart) const override;
    void drawLastElement(Surface& chart) const override;
    std::optional<MatchFigureLines> matchFigures(std::string_view numberFormat) const override;
    void recalculate() override;
    void deleteLastElement() override;
    bool setFrequency(Real hertz) override;
    bool setReferenceImpedance(Real ohms) override;
    bool unsavedChanges() const override;
    std::string saveTo(const std::string& path) override;
    std::string openFrom(const std::string& path) override;
    bool undo() override;
    bool redo() override;
    bool canUndo() const override;
    bool canRedo() const override;

private:
    NetworkModel& model_;
};

} // namespace qv
