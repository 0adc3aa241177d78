#pragma once

#include "chart/windows/entry_canvas.h"

namespace qv::test {

// A chart canvas that records every primitive, for exact checks of what an entry window draws.
// 633 pixels high, as the laid-out drawing area: radius and centre 316.5.
class RecordingCanvas final : public ChartCanvas {
public:
    RecordingSurface surface{841, 633};
    CursorReadout cursor;
    int colourBox = 0x123456;
    int repaints = 0;

    Surface& picture() override { return surface; }
    CursorReadout& readout() override { return cursor; }
    int colourBoxColour() const override { return colourBox; }
    void repaint() override { ++repaints; }

    std::vector<Primitive> of(Primitive::Kind kind) const {
        std::vector<Primitive> found;
        for (const Primitive& p : surface.primitives)
            if (p.kind == kind)
                found.push_back(p);
        return found;
    }
};

} // namespace qv::test
