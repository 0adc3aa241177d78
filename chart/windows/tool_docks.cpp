#include "chart/windows/tool_docks.h"

#include <QDockWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QTabBar>
#include <algorithm>

namespace qv {

ToolDocks::ToolDocks(QMainWindow& main) : QObject(&main), main_(main) {
    main_.setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    main_.installEventFilter(this);
}

void ToolDocks::dock(QWidget& window, const char* objectName, Qt::DockWidgetArea side) {
    auto* dock = new QDockWidget(window.windowTitle(), &main_);
    dock->setObjectName(QString::fromUtf8(objectName));
    dock->setWidget(&window);
    // Hidden by hand, so that the window's own show() is seen (and opens the dock) rather than
    // the dock's layout showing it.
    window.hide();
    dock->hide();
    const auto sameSide = std::find_if(docks_.begin(), docks_.end(),
                                       [&](QDockWidget* d) { return main_.dockWidgetArea(d) == side; });
    main_.addDockWidget(side, dock);
    if (sameSide != docks_.end())
        main_.tabifyDockWidget(*sameSide, dock);
    docks_.push_back(dock);
    window.installEventFilter(this);
    connect(&window, &QWidget::windowTitleChanged, dock, &QDockWidget::setWindowTitle);
    // A dock closed by its own button leaves its window hidden, so that the window's next show()
    // is seen and opens the dock again.
    connect(dock, &QDockWidget::visibilityChanged, this, [dock, &window](bool visible) {
        if (!visible && dock->isHidden())
            window.hide();
    });
}

QDockWidget* ToolDocks::dockOf(const QWidget& window) const {
    const auto found =
        std::find_if(docks_.begin(), docks_.end(), [&](QDockWidget* d) { return d->widget() == &window; });
    return found == docks_.end() ? nullptr : *found;
}

void ToolDocks::show(QWidget& window) {
    window.show(); // the event filter opens the dock
    if (QDockWidget* dock = dockOf(window))
        open(*dock);
}

// The main window grows by what the dock needs beyond the side's open docks, as far as the screen
// allows, so that the chart keeps its size.
void ToolDocks::makeRoomFor(QDockWidget& dock) {
    const QScreen* screen = main_.screen();
    if (!screen || main_.isMaximized() || main_.isFullScreen())
        return;
    const Qt::DockWidgetArea side = main_.dockWidgetArea(&dock);
    const bool sideways = side & (Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    const QSize wanted = dock.widget()->sizeHint().expandedTo(dock.widget()->minimumSize());
    int extra = sideways ? wanted.width() : wanted.height();
    for (QDockWidget* d : docks_)
        if (d != &dock && d->isVisible() && !d->isFloating() && main_.dockWidgetArea(d) == side)
            extra = std::min(extra, (sideways ? wanted.width() - d->width() : wanted.height() - d->height()));
    if (extra <= 0)
        return;
    const QRect area = screen->availableGeometry();
    QSize size = main_.size();
    if (sideways)
        size.setWidth(std::min(size.width() + extra, area.width()));
    else
        size.setHeight(std::min(size.height() + extra, area.height()));
    main_.resize(size);
}

void ToolDocks::open(QDockWidget& dock) {
    // A dock is part of the workbench: opening one shows the main window with it.
    if (!main_.isVisible()) {
        main_.show();
        // The tab bars of tabbed docks are made by the layout: raise() needs them in place.
        main_.layout()->activate();
    }
    if (dock.isHidden() && !dock.isFloating())
        makeRoomFor(dock);
    dock.show();
    dock.raise();
}

void ToolDocks::rememberDefaultLayout() {
    defaultLayout_ = main_.saveState();
}

void ToolDocks::resetLayout() {
    main_.restoreState(defaultLayout_);
    for (QDockWidget* dock : docks_) {
        dock->setFloating(false);
        dock->hide();
        if (dock->widget())
            dock->widget()->hide();
    }
}

bool ToolDocks::eventFilter(QObject* watched, QEvent* event) {
    // The tabs of tabbed docks show their windows' titles whole, scrolling when they do not all fit.
    if (watched == &main_ && event->type() == QEvent::ChildPolished) {
        if (auto* tabs = qobject_cast<QTabBar*>(static_cast<QChildEvent*>(event)->child())) {
            tabs->setElideMode(Qt::ElideNone);
            tabs->setUsesScrollButtons(true);
        }
        return QObject::eventFilter(watched, event);
    }
    auto* window = qobject_cast<QWidget*>(watched);
    QDockWidget* dock = window ? dockOf(*window) : nullptr;
    if (dock && event->type() == QEvent::ShowToParent && dock->isHidden())
        open(*dock);
    else if (dock && event->type() == QEvent::HideToParent)
        dock->hide();
    return QObject::eventFilter(watched, event);
}

} // namespace qv
