#pragma once

#include <QByteArray>
#include <QObject>
#include <vector>

class QDockWidget;
class QMainWindow;
class QWidget;

namespace qv {

// The tool windows that work beside the chart, held in docks of the main window: created hidden,
// tabbed where they share a side, floatable. Showing a docked window in any way (a button, its
// own show()) shows its dock; hiding or closing it closes the dock.
class ToolDocks final : public QObject {
    Q_OBJECT
public:
    explicit ToolDocks(QMainWindow& main);

    // Puts the window into a hidden dock named objectName on the side given.
    void dock(QWidget& window, const char* objectName, Qt::DockWidgetArea side);
    // The dock holding the window; nullptr for a window that is not docked.
    QDockWidget* dockOf(const QWidget& window) const;
    // Shows the window's dock in front of its tabs. A dock that opens makes the main window wider
    // where the screen has room, so that the chart keeps its size.
    void show(QWidget& window);

    // The arrangement of a fresh start, taken once every window is docked; restored on request.
    void rememberDefaultLayout();
    void resetLayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(QDockWidget& dock);
    void makeRoomFor(QDockWidget& dock);

    QMainWindow& main_;
    std::vector<QDockWidget*> docks_;
    QByteArray defaultLayout_;
};

} // namespace qv
