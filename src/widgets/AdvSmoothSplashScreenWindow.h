#pragma once
// The borderless, topmost, never-activated splash window: draws the splash component's content
// either as one translucent image handed over whole (layered) or by ordinary painting, and fades.

#include "platform/ui/TForm.h"
#include "widgets/AdvGDIP.h"

#include <QImage>

#include <memory>

class TAdvSmoothSplashScreen;
class TAdvSplashProgressBar;

class TSplashScreenWindow : public vcl::TForm
{
public:
    explicit TSplashScreenWindow(vcl::TComponent* AOwner);
    ~TSplashScreenWindow() override;

    // Opens the window for the component; nullptr when there is none or it already shows.
    static TSplashScreenWindow* ShowSplashWindow(TAdvSmoothSplashScreen* splash);

    TAdvSmoothSplashScreen* SplashScreen() const { return m_splashScreen; }
    TAdvSplashProgressBar* ProgressBarControl() const { return m_progressBar; }
    // True on the layered path (the whole image with its alpha handed over at once).
    bool Layered() const { return m_forcedTransparent; }
    int Opacity() const { return m_opacity; }
    // Alpha of the whole window on the ordinary path (0..255).
    int WindowAlpha() const { return m_alpha; }

    // Re-renders and hands over the layered image, or repaints at once.
    void Refresh();
    void RenderLayered();
    void FadeInWindow(int Step, int Wait, int Max);
    void FadeOutWindow(int Step, int Wait, int Min);
    // The image last handed over, constant alpha applied (the layered path's screen content).
    const QImage& LayeredImage() const { return m_shown; }
    // The off-screen buffer of the layered path (nil on the ordinary path).
    TGPBitmap* MainBuffer() const { return m_mainBuffer.get(); }

    // Drawing steps of the content, each on the given surface or one of its own.
    void DrawBackGround(TGPGraphics* g);
    void DrawProgramInfo(TGPGraphics* g);
    void DrawListItems(TGPGraphics* g);
    void DrawTopLayerItems(TGPGraphics* g);
    void DrawItems(TGPGraphics* g);
    void DrawProgressBar(TGPGraphics* g);

    void Click() override;
    void SetVisible(bool value) override;

protected:
    void Paint() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The surface a step draws on when it was given none.
    std::unique_ptr<TGPGraphics> OwnGraphics();
    void SetTextHint(TGPGraphics* g) const;
    void HandOver();
    void ApplyRegion();
    void SetAlpha(int alpha);
    void WaitExposed();
    vcl::TRect InnerRect() const;

    TAdvSmoothSplashScreen* m_splashScreen { nullptr };
    TAdvSplashProgressBar* m_progressBar { nullptr };
    bool m_forcedTransparent { false };
    std::unique_ptr<TGPBitmap> m_mainBuffer;
    QImage m_shown;
    int m_opacity { 5 };
    bool m_alphaBlend { false };
    int m_alpha { 255 };
};
