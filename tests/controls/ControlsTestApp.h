#pragma once
// Shared helpers of the control tests: one GUI application, widget pixels and picture output.

#include "platform/core/TColor.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

namespace controlstest {

inline void EnsureGuiApp()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "test_controls";
        static char* argv[] = { name, nullptr };
        static QApplication* app = new QApplication(argc, argv); // lives to the process's end
        (void)app;
    }
}

// The widget as it paints now, children included.
inline QImage Render(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline vcl::TColor PixelAt(const QImage& image, int x, int y)
{
    return vcl::FromQColor(QColor(image.pixel(x, y)));
}

// Saves a picture for a person to look at when ZQ9_ARTIFACT_DIR names a folder.
inline void SaveForReview(const QImage& image, const char* name)
{
    const QByteArray dir = qgetenv("ZQ9_ARTIFACT_DIR");
    if (!dir.isEmpty())
        image.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
}

} // namespace controlstest
