#include "app/error_report.h"
#include "core/numbers/errors.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(GlobalErrorHandler, ShowsTheErrorTextAndLetsTheProgramGoOn) {
    test::ScriptedPrompter prompter;
    int stepsDone = 0;
    EXPECT_FALSE(RunReportingErrors(prompter, [&] {
        ++stepsDone;
        throw FloatingPointError("Floating point division by zero");
    }));
    EXPECT_FALSE(RunReportingErrors(
        prompter, [] { throw ConversionError("'1.2.3' is not a valid floating point value"); }));
    EXPECT_FALSE(RunReportingErrors(prompter, [] { throw std::invalid_argument("bad format"); }));
    EXPECT_FALSE(RunReportingErrors(prompter, [] { throw 42; }));
    EXPECT_TRUE(RunReportingErrors(prompter, [&] { ++stepsDone; }));
    EXPECT_EQ(stepsDone, 2); // the state stays as the error left it
    EXPECT_EQ(prompter.messages,
              (QStringList{QStringLiteral("Floating point division by zero"),
                           QStringLiteral("'1.2.3' is not a valid floating point value"),
                           QStringLiteral("bad format"), QStringLiteral("Unknown error")}));
}

} // namespace
} // namespace qv
