#include "app/single_instance.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QUuid>
#include <gtest/gtest.h>

namespace qv {
namespace {

QString UniqueName() {
    return QStringLiteral("quorvane-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

TEST(SingleInstance, ALaterStartFindsTheFirstAndAsksItToRaise) {
    const QString name = UniqueName();
    SingleInstance first(name);
    SingleInstance second(name);
    EXPECT_FALSE(second.anotherIsRunning());
    ASSERT_TRUE(first.listen());
    EXPECT_TRUE(second.anotherIsRunning());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    EXPECT_TRUE(second.askRunningToRaise());
    EXPECT_TRUE(raised.count() > 0 || raised.wait(2000));
}

TEST(SingleInstance, AStaleSocketDoesNotBlockANewStart) {
    const QString name = UniqueName();
    {
        SingleInstance crashed(name);
        ASSERT_TRUE(crashed.listen());
    }
    SingleInstance next(name);
    EXPECT_FALSE(next.anotherIsRunning());
    EXPECT_TRUE(next.listen());
}

} // namespace
} // namespace qv
