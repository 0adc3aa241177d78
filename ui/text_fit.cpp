#include "ui/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVariant>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace qv {

namespace {

// Room a group box keeps between its controls and its right edge.
constexpr int GroupMargin = 6;
// The width a panel needs once its controls have grown: its width plus their growth.
constexpr const char* GrownWidth = "qvGrownWidth";
// Room after a caption: symbols from a fallback font can reach past the measured advance.
constexpr int LabelPadding = 4;
// A line edit's frame and text margins.
constexpr int EditPadding = 10;

int TextWidth(const QWidget& w, const QString& text) {
    return w.fontMetrics().horizontalAdvance(text);
}

// Panels and group boxes hold controls of their own; other widgets' children are their parts.
bool HoldsControls(const QWidget& w) {
    const QMetaObject* type = w.metaObject();
    return type == &QGroupBox::staticMetaObject || type == &QFrame::staticMetaObject ||
           type == &QWidget::staticMetaObject;
}

// The width the control needs to show its text whole; 0 when it has none to show.
int NeededWidth(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->text().isEmpty() || label->wordWrap() ? 0 : label->sizeHint().width() + LabelPadding;
    if (qobject_cast<const QCheckBox*>(&w) || qobject_cast<const QRadioButton*>(&w))
        return w.sizeHint().width();
    if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
        if (button->text().isEmpty())
            return 0;
        const int margin = w.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &w);
        const int frame = w.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &w);
        return TextWidth(w, button->text().remove(u'&')) + margin + 2 * frame + 2;
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w))
        return edit->text().isEmpty() ? 0 : TextWidth(w, edit->text()) + EditPadding;
    if (HoldsControls(w)) {
        const auto* group = qobject_cast<const QGroupBox*>(&w);
        const int title =
            group && !group->title().isEmpty() ? TextWidth(w, group->title()) + 2 * GroupMargin : 0;
        return std::max(title, w.property(GrownWidth).toInt());
    }
    return 0;
}

std::pair<int, int> ColumnOf(const QWidget& w) {
    return {w.x(), w.geometry().right()};
}

int ControlsRight(const QWidget& container) {
    int right = 0;
    for (const QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            right = std::max(right, child->geometry().right() + 1);
    return right;
}

void FitChildren(QWidget& container) {
    const QList<QWidget*> children = container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!HoldsControls(*child))
            continue;
        const int before = ControlsRight(*child);
        FitChildren(*child);
        const int growth = ControlsRight(*child) - before;
        if (growth > 0)
            child->setProperty(GrownWidth, child->width() + growth);
    }
    // Columns, leftmost first: controls sharing their left and right edges grow together.
    std::set<const QWidget*> done;
    for (;;) {
        std::map<std::pair<int, int>, std::vector<QWidget*>> columns;
        for (QWidget* child : children)
            if (!child->isWindow() && !done.contains(child))
                columns[ColumnOf(*child)].push_back(child);
        if (columns.empty())
            break;
        const std::vector<QWidget*> members = columns.begin()->second;
        done.insert(members.begin(), members.end());
        int deficit = 0;
        int top = members.front()->y();
        int bottom = members.front()->geometry().bottom();
        for (QWidget* w : members) {
            deficit = std::max(deficit, NeededWidth(*w) - w->width());
            top = std::min(top, w->y());
            bottom = std::max(bottom, w->geometry().bottom());
        }
        if (deficit <= 0)
            continue;
        const int rightEdge = members.front()->geometry().right();
        for (QWidget* w : members)
            w->resize(w->width() + deficit, w->height());
        // What lies to the right within the column's rows moves over, each column it belongs to
        // whole, and so does whatever a moving control would otherwise run into.
        std::set<std::pair<int, int>> moving;
        for (QWidget* other : children) {
            const QRect r = other->geometry();
            if (!done.contains(other) && r.x() > rightEdge && r.y() <= bottom && r.bottom() >= top)
                moving.insert(ColumnOf(*other));
        }
        const auto movable = [&](const QWidget* w) { return !done.contains(w) && !w->isWindow(); };
        for (bool grew = true; grew;) {
            grew = false;
            for (QWidget* m : children) {
                if (!movable(m) || !moving.contains(ColumnOf(*m)))
                    continue;
                const QRect moved = m->geometry().translated(deficit, 0);
                for (QWidget* other : children)
                    if (movable(other) && !moving.contains(ColumnOf(*other)) && other->x() > m->x() &&
                        moved.intersects(other->geometry())) {
                        moving.insert(ColumnOf(*other));
                        grew = true;
                    }
            }
        }
        for (QWidget* other : children)
            if (movable(other) && moving.contains(ColumnOf(*other)))
                other->move(other->x() + deficit, other->y());
    }
}

} // namespace

void FitControlsToTexts(QWidget& window) {
    const int before = ControlsRight(window);
    FitChildren(window);
    const int growth = ControlsRight(window) - before;
    if (growth <= 0)
        return;
    if (window.minimumWidth() == window.maximumWidth())
        window.setFixedWidth(window.width() + growth);
    else
        window.resize(window.width() + growth, window.height());
}

} // namespace qv
