#pragma once
// Fails the running test on the warnings Qt gives when a control paints, repaints, creates or moves
// widgets from inside a paint: that path crashes on a scaled screen and only logs on a plain one.

#include <gtest/gtest.h>

#include <QtGlobal>
#include <QString>

#include <cstdio>

namespace testsupport {

class PaintWarningsFail
{
public:
    PaintWarningsFail() { s_previous = qInstallMessageHandler(&PaintWarningsFail::Handle); }
    ~PaintWarningsFail() { qInstallMessageHandler(s_previous); }
    PaintWarningsFail(const PaintWarningsFail&) = delete;
    PaintWarningsFail& operator=(const PaintWarningsFail&) = delete;

    // True for a message that tells of painting gone wrong.
    static bool IsPaintFault(const QString& message)
    {
        static const char* const faults[] = {
            "Recursive repaint detected",
            "endPaint() called with active painter",
            "QPainter::begin: A paint device can only be painted by one painter at a time",
            "QPainter::begin: Paint device returned engine == 0",
            "QWidget::repaint: Recursive repaint detected",
            "It is dangerous to leave painters active on a widget outside of the PaintEvent",
            "QBackingStore::endPaint",
        };
        for (const char* f : faults)
            if (message.contains(QLatin1String(f)))
                return true;
        return false;
    }

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (IsPaintFault(message))
            ADD_FAILURE() << "Qt painting fault: " << message.toStdString();
        if (s_previous)
            s_previous(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    static inline QtMessageHandler s_previous { nullptr };
};

} // namespace testsupport
