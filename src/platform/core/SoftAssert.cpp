#include "platform/core/SoftAssert.h"

#include <cstring>

Q_LOGGING_CATEGORY(zq9Log, "zq9")

namespace {

// The source path from its "src/" folder on ("ui/FAbout.cpp"), or the whole path without one.
const char* SourcePath(const char* file)
{
    const char* shortest = file;
    for (const char* p = std::strstr(file, "src/"); p; p = std::strstr(p + 1, "src/"))
        if (p == file || p[-1] == '/')
            shortest = p + 4;
    return shortest;
}

} // namespace

void ReportBrokenExpectation(const char* file, int line, const char* condition)
{
    const QLoggingCategory& category = zq9Log();
    if (!category.isWarningEnabled())
        return;
    const char* path = SourcePath(file);
    QMessageLogger(path, line, nullptr, category.categoryName()).warning("%s:%d: expected %s", path, line, condition);
}
