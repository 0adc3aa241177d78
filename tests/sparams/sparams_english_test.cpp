#include "sparams/analysis/device_data.h"
#include "sparams/model/sparameter_file_texts.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

namespace qv {
namespace {

SParameterError ErrorOf(const std::string& file) {
    return ParseSParameterFile(file, {}).error;
}

TEST(SParameterFilesInEnglish, RefusalsAndNotesNameTheLineAndTheValues) {
    const SParameterError missing = ErrorOf("# GHz S RI R 50\n1 .9 -10 2 100 .1 10 .8\n");
    const SParameterError overflow = ErrorOf("# GHz S DB R 50\n1 1e300 0 0 0 0 0 0 0\n");
    const SParameterParse other = ParseSParameterFile("# GHz S MA R 75\n1 .9 -10 2 100 .1 10 .8 -5\n", {});
    ASSERT_TRUE(other.table);
    ASSERT_EQ(other.table->warnings.size(), 1u);
    const SParameterWarning reference = other.table->warnings[0];
    const DeviceRead unreadable = ReadDeviceFile("/nonexistent/a.s2p");

    EXPECT_EQ(SParameterErrorText(missing), QStringLiteral("第2行：缺少S22 A的数值"));
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/sparams_en.qm")));
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(SParameterErrorText(missing), QStringLiteral("Line 2: the value of S22 A is missing"));
    EXPECT_EQ(SParameterErrorText(overflow), QStringLiteral("Line 2: '1e300' is out of range"));
    EXPECT_EQ(
        SParameterWarningText(reference),
        QStringLiteral("Note: the file's reference impedance is 75 ohm, not Zo=50 ohm; the table's values "
                       "are not converted to Zo (the points on the chart are)"));
    EXPECT_EQ(ColumnCaption(1, 0), QStringLiteral("Frequency MHz"));
    EXPECT_EQ(DeviceErrorText(unreadable.error), QStringLiteral("Cannot read the file /nonexistent/a.s2p"));
    QCoreApplication::removeTranslator(&translator);
}

} // namespace
} // namespace qv
