#pragma once
// The markup text engine on a GDI+ surface: text through the wrapper's DrawText, images from an
// image list, a picture finder (the picture container) and the platform's file icons.

#include "widgets/AdvGDIP.h"
#include "widgets/AdvSmoothHTML.h"

#include <functional>

using THTMLPictureFinder = std::function<TAdvGDIPPicture*(const QString& name)>;

class THTMLGDIPSurface : public IHTMLSurface
{
public:
    THTMLGDIPSurface(TGPGraphics* graphics, IHTMLImageList* images, THTMLPictureFinder findPicture);

    int TextHeight(const vcl::TFont& font, const QString& text) override;
    int DrawText(const QString& text, vcl::TRect& rect, const vcl::TFont& font, bool calc,
                 vcl::TColor bkColor) override;
    void FillRect(const vcl::TRect& rect, vcl::TColor color) override;
    void FillEllipse(const vcl::TRect& rect, vcl::TColor color) override;
    void DrawLine(int x1, int y1, int x2, int y2, vcl::TColor color) override;
    vcl::TSize ImageListImageSize(int index) override;
    void DrawImageListImage(int index, int x, int y) override;
    vcl::TSize ContainerPictureSize(const QString& name) override;
    void DrawContainerPicture(const QString& name, const vcl::TRect& dest) override;
    vcl::TSize SystemIconSize(const QString& path, bool large) override;
    void DrawSystemIcon(const QString& path, bool large, int x, int y) override;

private:
    void DrawQImage(const QImage& image, int x, int y);
    TAdvGDIPPicture* Find(const QString& name);

    TGPGraphics* m_graphics;
    IHTMLImageList* m_images;
    THTMLPictureFinder m_findPicture;
};

// Lays out and draws (or measures) the markup text on the graphics surface.
bool HTMLDrawGDIP(TGPGraphics* graphics, const vcl::TFont& font, const QString& text, const vcl::TRect& rect,
                  const THTMLDrawOptions& options, THTMLDrawResult& result, IHTMLImageList* images,
                  const THTMLPictureFinder& findPicture);
