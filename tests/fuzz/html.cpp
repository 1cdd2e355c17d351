// The splash screen's markup text engine on a surface of fixed metrics. Any text lays out without
// fault, and measuring a text that fits its rectangle gives the same extent, links and plain text
// as drawing it.

#include "FuzzSupport.h"
#include "widgets/AdvSmoothHTML.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

// Every character 7 pixels wide and every line 13 high; images of fixed sizes by kind.
class FixedSurface : public IHTMLSurface
{
public:
    int TextHeight(const vcl::TFont&, const QString&) override { return 13; }
    int DrawText(const QString& text, vcl::TRect& rect, const vcl::TFont&, bool, vcl::TColor) override
    {
        rect.Right = rect.Left + 7 * static_cast<int>(text.size());
        rect.Bottom = rect.Top + 13;
        return 13;
    }
    void FillRect(const vcl::TRect&, vcl::TColor) override {}
    void FillEllipse(const vcl::TRect&, vcl::TColor) override {}
    void DrawLine(int, int, int, int, vcl::TColor) override {}
    vcl::TSize ImageListImageSize(int index) override { return index >= 0 && index < 4 ? vcl::TSize(16, 16) : vcl::TSize(); }
    void DrawImageListImage(int, int, int) override {}
    vcl::TSize ContainerPictureSize(const QString& name) override { return name.isEmpty() ? vcl::TSize() : vcl::TSize(20, 10); }
    void DrawContainerPicture(const QString&, const vcl::TRect&) override {}
    vcl::TSize SystemIconSize(const QString&, bool large) override { return large ? vcl::TSize(32, 32) : vcl::TSize(16, 16); }
    void DrawSystemIcon(const QString&, bool, int, int) override {}
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::EnsureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    THTMLDrawOptions options;
    options.WordWrap = in.Byte() & 1;
    options.HitPoint = vcl::TPoint(in.Byte(), in.Byte());
    options.CheckAnchor = true;
    const int width = 1 + in.Byte() * 2;
    const std::vector<std::uint8_t> bytes = in.Rest();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));

    vcl::TFont font;
    FixedSurface surface;
    // Tall enough for any input: drawing stops at the bottom by design, measuring does not.
    const vcl::TRect rect(0, 0, width, 1 << 22);
    THTMLDrawResult drawn;
    HTMLDraw(surface, font, text, rect, options, drawn);
    options.MeasureOnly = true;
    THTMLDrawResult measured;
    HTMLDraw(surface, font, text, rect, options, measured);
    if (std::getenv("ZQ9_FUZZ_DEBUG"))
        std::fprintf(stderr, "drawn %d x %d, measured %d x %d, links %d/%d\n", drawn.XSize, drawn.YSize, measured.XSize,
                     measured.YSize, drawn.HyperLinks, measured.HyperLinks);
    fuzz::Require(drawn.XSize == measured.XSize && drawn.YSize == measured.YSize, "measuring gives the drawn extent");
    fuzz::Require(drawn.HyperLinks == measured.HyperLinks && drawn.StripVal == measured.StripVal,
                  "measuring finds the drawn links and text");
    fuzz::Require(drawn.XSize >= 0 && drawn.YSize >= 0, "extent");
    return 0;
}
