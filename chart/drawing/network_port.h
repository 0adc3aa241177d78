#pragma once

#include "chart/analysis/match_figure_lines.h"
#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"

#include <QCoreApplication>
#include <optional>
#include <string>
#include <string_view>

// The matching network as the chart windows see it. The matching subsystem sits above the chart,
// so app/ plugs its side in; the chart windows only draw it, read its figures and pass on the
// user's requests.
namespace qv {

// How much of the chart a change of the network invalidates.
enum class NetworkRedraw {
    LastElement, // one element was appended: its path is added to the picture as it stands
    Whole,       // the picture is cleared and the whole network drawn again
};

class NetworkPort {
public:
    virtual ~NetworkPort() = default;
    virtual int nodeCount() const = 0;
    // The load and source markers and the path of every element computed.
    virtual void drawNetwork(Surface& chart) const = 0;
    // The path of the last element only.
    virtual void drawLastElement(Surface& chart) const = 0;
    // The figures of the last node against the source; nothing before the ends are set.
    virtual std::optional<MatchFigureLines> matchFigures(std::string_view numberFormat) const = 0;
    // "重新计算" and "删除元件".
    virtual void recalculate() = 0;
    virtual void deleteLastElement() = 0;
    // The settings window's Fo (hertz) and Zo (ohms); false, changing nothing, for a value that
    // is no usable positive number.
    virtual bool setFrequency(Real hertz) = 0;
    virtual bool setReferenceImpedance(Real ohms) = 0;
    // Whether the network changed since it was last saved or loaded, and saving it as a network
    // file: an empty text, or why the file was not written.
    virtual bool unsavedChanges() const = 0;
    virtual std::string saveTo(const std::string& path) = 0;
    // Replaces the network with a network file: an empty text, or why it was not read (nothing
    // changes), or the element its chain stops at (the file is loaded all the same).
    virtual std::string openFrom(const std::string& /*path*/) {
        return QCoreApplication::translate("qv::NetworkPort", "无法打开").toStdString();
    }
    // "撤销" and "重做" (Ctrl+Z, Ctrl+Shift+Z): take back the last change of the network, its
    // ends, Fo, Zo or modes, or make an undone one again; false when there is none.
    virtual bool undo() { return false; }
    virtual bool redo() { return false; }
    virtual bool canUndo() const { return false; }
    virtual bool canRedo() const { return false; }
};

} // namespace qv
