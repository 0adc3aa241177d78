#pragma once

#include "matching/model/network_model.h"
#include "sparams/windows/two_port_window.h"

// The two-port calculator's design buttons acting on the matching network.
namespace qv {

class NetworkDesignTarget final : public DesignTarget {
public:
    explicit NetworkDesignTarget(NetworkModel& network) : network_(network) {}
    void setFrequency(Real hertz) override { network_.setFrequency(hertz); }
    void setLoadAgainstZo(Complex loadOhms) override {
        const Real zo = network_.state().Zo;
        network_.setEnds({loadOhms.re / zo, loadOhms.im / zo}, {1, 0}, EndsRule::Restart);
    }

private:
    NetworkModel& network_;
};

} // namespace qv
