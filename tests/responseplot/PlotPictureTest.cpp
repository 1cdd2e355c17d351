// The pictures of a full channel plot, pixel for pixel, against pictures kept from an earlier
// rendering: a band edit and its repaint, the page after further overlay passes, and the phase
// view with every overlay (labels of all bands, marker line, free text). Any change in how the
// canvas, the curves or the highlight are rasterised shows here.
//
// ZQ9_WRITE_PICTURES=1 writes the pictures instead of comparing (only for an intended change).

#include "responseplot/PlotScene.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

constexpr char Magic[8] = { 'Z', 'Q', '9', 'P', 'I', 'X', '1', '\0' };

QString PicturePath(const char* name)
{
    return QStringLiteral(ZQ9_RESPONSE_PICTURES "/") + QString::fromLatin1(name) + QStringLiteral(".zpix");
}

QByteArray Encode(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray raw;
    raw.reserve(rgb.width() * rgb.height() * 4);
    for (int y = 0; y < rgb.height(); ++y)
        raw.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4);
    QByteArray out(Magic, sizeof Magic);
    const std::uint32_t size[2] = { std::uint32_t(rgb.width()), std::uint32_t(rgb.height()) };
    out.append(reinterpret_cast<const char*>(size), sizeof size);
    out.append(qCompress(raw, 9));
    return out;
}

QImage Decode(const QByteArray& bytes)
{
    constexpr int header = sizeof Magic + 8;
    if (bytes.size() < header || std::memcmp(bytes.constData(), Magic, sizeof Magic) != 0)
        return {};
    std::uint32_t dims[2];
    std::memcpy(dims, bytes.constData() + sizeof Magic, sizeof dims);
    const QByteArray raw = qUncompress(bytes.mid(header));
    const auto w = static_cast<qsizetype>(dims[0]);
    const auto h = static_cast<qsizetype>(dims[1]);
    if (w == 0 || h == 0 || w > 4096 || h > 4096 || raw.size() != w * h * 4)
        return {};
    QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), raw.constData() + qsizetype(y) * image.width() * 4, size_t(image.width()) * 4);
    return image;
}

// Compares with the kept picture (or keeps this one when asked to).
void ExpectPicture(const QImage& actual, const char* name)
{
    QFile file(PicturePath(name));
    if (qEnvironmentVariableIntValue("ZQ9_WRITE_PICTURES") == 1) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Encode(actual));
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    const QImage expected = Decode(file.readAll());
    ASSERT_FALSE(expected.isNull()) << name;
    ASSERT_EQ(expected.size(), actual.size()) << name;
    const QImage got = actual.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    int firstX = -1, firstY = -1;
    for (int y = 0; y < got.height(); ++y) {
        const auto* a = reinterpret_cast<const std::uint32_t*>(got.constScanLine(y));
        const auto* e = reinterpret_cast<const std::uint32_t*>(expected.constScanLine(y));
        for (int x = 0; x < got.width(); ++x) {
            if ((a[x] & 0xFFFFFFu) != (e[x] & 0xFFFFFFu)) {
                if (differing++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        }
    }
    if (differing != 0)
        got.save(QDir::temp().filePath(QString::fromLatin1(name) + QStringLiteral("-actual.bmp")), "BMP");
    EXPECT_EQ(differing, 0) << name << ": first at (" << firstX << ", " << firstY << ")";
}

} // namespace

TEST(PlotPictures, BandEditAndRepaintMatchTheKeptPictures)
{
    scene::ChannelPlot s;
    s.Repaint();
    ExpectPicture(s.shown, "magnitude-first-paint");

    s.EditBand(3, 1234.5);
    s.Repaint();
    ExpectPicture(s.shown, "magnitude-band-edit");
    ExpectPicture(s.ctl.PlotPage()->Bitmap.Image(), "magnitude-plot-page");

    // Overlay passes without a redraw darken the highlight each time.
    s.ctl.UpdateCurvePage();
    s.ctl.UpdateCurvePage();
    ExpectPicture(s.ctl.ScreenImage().Image(), "magnitude-after-two-updates");
}

TEST(PlotPictures, PhaseViewWithEveryOverlayMatchesTheKeptPicture)
{
    scene::ChannelPlot s(true);
    s.ctl.SetParameterDisplay(true);
    s.ctl.DrawLine(2600.0, 0x00FF00, true);
    s.ctl.DrawTextA(1070 / 3, 255 / 4, 60, 0x0000FF, QStringLiteral("Times New Roman"), QStringLiteral("BYPASS"));
    s.EditBand(5, 3300.0);
    s.Repaint();
    ExpectPicture(s.shown, "phase-every-overlay");

    // A shelf and a pass close their highlight differently.
    s.Select(0);
    s.plot.DrawSum(scene::ChannelPlot::Channel);
    s.ctl.UpdateCurvePage();
    s.Select(8);
    s.ctl.UpdateCurvePage();
    ExpectPicture(s.ctl.ScreenImage().Image(), "phase-shelf-and-pass");
}
