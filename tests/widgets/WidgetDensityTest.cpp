// Buffered controls on a screen of device pixel ratio 2: each composes its face as finely as the
// screen, so text and curved edges are drawn at device resolution in the place they have at
// ratio 1, rectangles and pictures stay exactly the doubled ones, and back at ratio 1 the face is
// what it was.
#include "WidgetTestSupport.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TForm.h"
#include "support/RenderedAtRatio.h"
#include "widgets/AdvProgressBar.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"
#include "widgets/VrButtons.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>

#include <functional>

using namespace vcl;

namespace {

bool Ink(QRgb p)
{
    return qRed(p) + qGreen(p) + qBlue(p) < 200; // black text and frames
}

// Ink device pixels of `image` with no ink of `near` within `reach` device pixels.
int StrayInk(const QImage& image, const QImage& near, int reach)
{
    int stray = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!Ink(image.pixel(x, y)))
                continue;
            bool found = false;
            for (int v = std::max(0, y - reach); v <= std::min(near.height() - 1, y + reach) && !found; ++v)
                for (int u = std::max(0, x - reach); u <= std::min(near.width() - 1, x + reach) && !found; ++u)
                    found = Ink(near.pixel(u, v));
            stray += found ? 0 : 1;
        }
    return stray;
}

int InkCount(const QImage& image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += Ink(image.pixel(x, y)) ? 1 : 0;
    return ink;
}

// 2 x 2 blocks of device pixels that go from dark to light within themselves: only a picture drawn
// at device resolution has them (a doubled one is one colour per block, a smoothly enlarged one
// changes by half its contrast at most).
int SharpBlocks(const QImage& image)
{
    int sharp = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            int low = 255;
            int high = 0;
            for (const QRgb p : { image.pixel(x, y), image.pixel(x + 1, y), image.pixel(x, y + 1), image.pixel(x + 1, y + 1) }) {
                low = std::min(low, qGray(p));
                high = std::max(high, qGray(p));
            }
            sharp += high - low > 160 ? 1 : 0;
        }
    return sharp;
}

struct DensityCase
{
    const char* name; // of the test
    // Builds the control on the shown form and answers the widget whose picture is compared.
    std::function<QWidget*(TForm&)> show;
    QRect plain;  // pixels holding only rectangles or a picture: exactly the doubled ones
};

// A picture as a form or skin gives it: 4 x 4 pixels, aqua with a fuchsia corner.
void Tile(TBitmap& tile)
{
    tile.SetSize(4, 4);
    tile.Canvas()->Brush()->SetColor(clAqua);
    tile.Canvas()->FillRect(TRect(0, 0, 4, 4));
    tile.Canvas()->SetPixels(0, 0, clFuchsia);
}

// A combo box whose items are drawn by the box, the second one chosen.
rz::TRzComboBox* OwnerDrawnCombo(TForm& form)
{
    auto* combo = new rz::TRzComboBox(&form);
    combo->SetParent(&form);
    combo->SetBounds(10, 10, 120, 22);
    combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    for (const char* s : { "BW -6", "BL -12", "LK -24" })
        combo->Items()->Add(QString::fromLatin1(s));
    combo->SetItemIndex(1);
    return combo;
}

const DensityCase kCases[] = {
    { "BitmapButtonCaption",
      [](TForm& form) -> QWidget* {
          auto* button = new rz::TRzBmpButton(&form);
          button->SetParent(&form);
          button->SetButtonBorder(rz::TButtonBorder::bbNone);
          button->SetBounds(0, 0, 80, 24);
          button->SetCaption(QStringLiteral("Bypass"));
          button->Font()->SetColor(clBlack);
          return button;
      },
      QRect(0, 0, 8, 24) },
    { "ProgressBarFrameAndPercentage",
      [](TForm& form) -> QWidget* {
          auto* bar = new TAdvProgressBar(&form);
          bar->SetParent(&form);
          bar->SetBounds(0, 0, 431, 41); // the progress window's bar
          TFont font;
          font.SetName(QStringLiteral("Verdana"));
          font.SetHeight(-13);
          font.SetColor(clBlack);
          bar->SetFont(font);
          bar->SetPosition(40);
          return bar;
      },
      QRect(4, 4, 150, 33) },
    { "PowerButtonLampAndCaption",
      [](TForm& form) -> QWidget* {
          auto* power = new vr::TVrPowerButton(&form);
          power->SetParent(&form);
          power->SetBounds(0, 0, 125, 25);
          power->SetCaption(QStringLiteral("Show all"));
          power->Font()->SetColor(clBlack);
          power->SetActive(true);
          return power;
      },
      QRect(0, 0, 30, 25) },
    { "DemoButtonTiledPictureAndCaption",
      [](TForm& form) -> QWidget* {
          auto* demo = new vr::TVrDemoButton(&form);
          demo->SetParent(&form);
          demo->SetBounds(0, 0, 150, 25);
          demo->SetTabStop(false);
          TBitmap tile;
          Tile(tile);
          demo->SetBitmap(&tile);
          demo->SetCaption(QStringLiteral("Reset"));
          return demo;
      },
      QRect(0, 0, 40, 25) },
    { "OwnerDrawnComboChosenItem",
      [](TForm& form) -> QWidget* { return OwnerDrawnCombo(form); }, QRect() },
    { "OwnerDrawnComboOpenList",
      [](TForm& form) -> QWidget* {
          rz::TRzComboBox* combo = OwnerDrawnCombo(form);
          wtest::WinClick(combo, 60, 11);
          QAbstractItemView* list = combo->findChild<QComboBox*>()->view();
          EXPECT_TRUE(QTest::qWaitForWindowExposed(list->window()));
          return list->viewport();
      },
      QRect() },
};

class WidgetDensity : public ::testing::TestWithParam<DensityCase>
{
};

TEST_P(WidgetDensity, RatioTwoKeepsTheGeometryAndDrawsFiner)
{
    const DensityCase& c = GetParam();
    wtest::App();
    TForm form(nullptr);
    form.SetBounds(100, 100, 480, 200);
    form.SetColor(clSilver);
    ASSERT_TRUE(wtest::ShowActive(&form));
    QWidget* shown = c.show(form);
    ASSERT_NE(shown, nullptr);

    const QImage single = RenderedAtRatio(*shown, 1);
    const QImage doubled = single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage sharp = RenderedAtRatio(*shown, 2);
    ASSERT_EQ(sharp.size(), doubled.size());

    // Text and frames lie within a pixel and a half of where the doubled picture has them.
    EXPECT_GT(InkCount(sharp), 50);
    EXPECT_EQ(StrayInk(sharp, doubled, 3), 0) << "ink where ratio 1 has none";
    EXPECT_EQ(StrayInk(doubled, sharp, 3), 0) << "ink of ratio 1 missing";
    // Rectangles and pictures are exactly the doubled ones.
    if (!c.plain.isEmpty()) {
        const QRect device(c.plain.topLeft() * 2, c.plain.size() * 2);
        EXPECT_EQ(sharp.copy(device), doubled.copy(device));
    }
    EXPECT_GT(SharpBlocks(sharp), 30) << "drawn at device resolution, not enlarged";
    // Back on a screen of ratio 1 the face is the one it was.
    EXPECT_EQ(RenderedAtRatio(*shown, 1), single);
}

void PrintTo(const DensityCase& c, std::ostream* out)
{
    *out << c.name;
}

std::string CaseName(const ::testing::TestParamInfo<DensityCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Controls, WidgetDensity, ::testing::ValuesIn(kCases), CaseName);

} // namespace
