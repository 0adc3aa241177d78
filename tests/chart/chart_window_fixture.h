#pragma once

#include "chart/windows/main_window.h"
#include "core/settings/program_state.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/message_hub.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace qv::test {

// A shown main window over a fresh program directory, with its drawing area set to 201 x 200
// pixels so the chart has radius 100 and centre (100, 100), and a recorder of readout blocks.
class ChartWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TForm2>(state, hub, prompter);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
        paintBox = window->findChild<QWidget*>(QStringLiteral("PaintBox1"));
        ASSERT_NE(paintBox, nullptr);
        paintBox->setGeometry(0, 0, 201, 200);
        paintBox->repaint();
        QObject::connect(&hub, &MessageHub::readoutBlock,
                         [this](const QByteArray& block) { blocks << block; });
    }

    template <typename T> T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString text(const char* label) const;
    QString labelText(int number) const;
    QStringList allLabelTexts() const; // Label1..Label16

    void move(int x, int y, Qt::MouseButtons buttons = Qt::NoButton,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(QEvent::MouseMove, QPointF(x, y), paintBox->mapToGlobal(QPointF(x, y)),
                          Qt::NoButton, buttons, modifiers);
        QApplication::sendEvent(paintBox, &event);
    }

    void press(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(x, y), paintBox->mapToGlobal(QPointF(x, y)),
                          button, button, Qt::NoModifier);
        QApplication::sendEvent(paintBox, &event);
    }

    TempDir dir;
    ProgramState state{dir.path()};
    MessageHub hub;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm2> window;
    QWidget* paintBox = nullptr;
    QList<QByteArray> blocks;
};

} // namespace qv::test
