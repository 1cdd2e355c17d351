#pragma once
// The program's logging category and its soft assertion: a guard for what should never happen that
// says so in the log (source file, line and the condition's text, as a warning under "zq9") and lets
// the caller step back, so a missing piece shows up instead of vanishing without a word.
//
//     if (!ZQ9_EXPECT(m_model)) return;
//
// The condition is evaluated once and the macro yields it as a bool; a true condition costs one test.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(zq9Log)

// Logs the broken expectation at `file`:`line`; the path is shortened to the part below "src/".
void ReportBrokenExpectation(const char* file, int line, const char* condition);

#define ZQ9_EXPECT(condition) \
    (static_cast<bool>(condition) ? true : (::ReportBrokenExpectation(__FILE__, __LINE__, #condition), false))
