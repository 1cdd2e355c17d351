#include "platform/core/SoftAssert.h"

#include "support/LogCatcher.h"

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <string>

using testsupport::LogCatcher;
using testsupport::LoggedMessage;

namespace {

bool GuardedStep(const int* value)
{
    if (!ZQ9_EXPECT(value != nullptr))
        return false;
    return true;
}

} // namespace

TEST(SoftAssert, FalseConditionLogsOneWarningWithPlaceAndText)
{
    LogCatcher catcher;
    const int* missing = nullptr;
    const int line = __LINE__ + 1;
    const bool held = ZQ9_EXPECT(missing != nullptr);

    EXPECT_FALSE(held);
    ASSERT_EQ(catcher.Seen().size(), 1u);
    const LoggedMessage& m = catcher.Seen().front();
    EXPECT_EQ(m.type, QtWarningMsg);
    EXPECT_EQ(m.category, "zq9");
    EXPECT_NE(m.file.find("SoftAssertTest.cpp"), std::string::npos) << m.file;
    EXPECT_EQ(m.line, line);
    EXPECT_NE(m.text.find("SoftAssertTest.cpp:" + std::to_string(line)), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("missing != nullptr"), std::string::npos) << m.text;
}

TEST(SoftAssert, TrueConditionLogsNothingAndGuardGoesOn)
{
    LogCatcher catcher;
    const int value = 3;
    EXPECT_TRUE(ZQ9_EXPECT(value == 3));
    EXPECT_TRUE(GuardedStep(&value));
    EXPECT_TRUE(catcher.Seen().empty());

    EXPECT_FALSE(GuardedStep(nullptr));
    EXPECT_EQ(catcher.Seen().size(), 1u);
}

TEST(SoftAssert, EvaluatesItsConditionOnce)
{
    LogCatcher catcher;
    for (const bool outcome : { true, false }) {
        int calls = 0;
        auto check = [&] { ++calls; return outcome; };
        EXPECT_EQ(ZQ9_EXPECT(check()), outcome);
        EXPECT_EQ(calls, 1) << "outcome " << outcome;
    }
}

TEST(SoftAssert, TakesPointersAndCallablesAsTheirTruth)
{
    LogCatcher catcher;
    int value = 0;
    int* present = &value;
    std::function<void()> unset;
    EXPECT_TRUE(ZQ9_EXPECT(present));
    EXPECT_FALSE(ZQ9_EXPECT(unset));
    ASSERT_EQ(catcher.Seen().size(), 1u);
    EXPECT_NE(catcher.Seen().front().text.find("unset"), std::string::npos);
}

TEST(SoftAssert, SilencedCategoryLogsNothing)
{
    LogCatcher catcher;
    QLoggingCategory::setFilterRules(QStringLiteral("zq9.warning=false"));
    const bool held = ZQ9_EXPECT(false);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_FALSE(held);
    EXPECT_TRUE(catcher.Seen().empty());
}
