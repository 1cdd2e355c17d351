// The splash component and its window: show and hide around the main form's first show, the
// close timer, the two display paths, the window size and what the window shows.

#include "widgets/AdvSmoothSplashScreen.h"
#include "widgets/AdvSmoothSplashScreenWindow.h"
#include "widgets/WidgetTestSupport.h"

#include <QBuffer>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QPainter>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

QByteArray PngBytes(int w, int h, QColor top, QColor bottom)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(img.rect(), g);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return bytes;
}

// The main window's splash set-up (its stored start-up picture replaced by a plain gradient).
void ConfigureAsMainWindow(TAdvSmoothSplashScreen& s)
{
    TGDIPFill* f = s.Fill();
    f->SetColor(clNone);
    f->SetColorTo(clNone);
    f->SetColorMirror(clNone);
    f->SetColorMirrorTo(clNone);
    f->SetBorderColor(clNone);
    f->SetOpacity(249);
    f->SetPicturePosition(TFillPicturePosition::ppBottomCenter);
    f->Picture()->LoadFromBytes(PngBytes(620, 350, QColor(20, 40, 90), QColor(5, 10, 30)));
    s.SetTimeOut(100);
    s.SetDisplayStyle(TDisplayStyle::dsNormal);
    TSplashHeadingText* name = s.BasicProgramInfo()->ProgramName();
    name->SetText(QStringLiteral("ZQ9 DSP Processor Editor"));
    name->Font()->SetName(QStringLiteral("Tahoma"));
    name->Font()->SetHeight(-29);
    name->Font()->SetStyle({ TFontStyle::fsBold });
    name->SetLocation(TItemLocation::ilCustom);
    name->SetPosX(85);
    name->SetPosY(130);
    name->SetColorStart(clWhite);
    name->SetColorEnd(clWhite);
    name->SetHatchStyle(HatchStyle::HatchStyleDivot);
    TSplashHeadingText* version = s.BasicProgramInfo()->ProgramVersion();
    version->SetText(QStringLiteral("V1.01"));
    version->Font()->SetHeight(-19);
    version->SetLocation(TItemLocation::ilCustom);
    version->SetPosX(475);
    version->SetPosY(140);
    version->SetColorStart(clWhite);
    version->SetColorEnd(clWhite);
    version->SetHatchStyle(HatchStyle::HatchStyleDivot);
    s.BasicProgramInfo()->SetCopyRightLocation(TItemLocation::ilCustom);
    s.BasicProgramInfo()->SetCopyRightPosX(340);
    s.BasicProgramInfo()->SetCopyRightPosY(340);
    s.ListItems()->Add()->SetHTMLText(
        QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>"));
    TListItemsRect* r = s.ListItemsSettings()->Rect();
    r->SetLeft(180);
    r->SetTop(210);
    r->SetWidth(500);
    r->SetHeight(250);
    s.ListItemsSettings()->HTMLFont()->SetHeight(-11);
}

struct SplashScreenTest : ::testing::Test
{
    SplashScreenTest()
    {
        wtest::App();
        form = new TForm(nullptr);
        splash = new TAdvSmoothSplashScreen(form);
        splash->OnClose = [this](TObject* s) {
            EXPECT_EQ(s, splash);
            ++closes;
        };
        splash->OnBeforeShow = [this](TObject*) { ++beforeShows; };
    }
    ~SplashScreenTest() override
    {
        splash->Hide();
        delete form;
    }
    TForm* form;
    TAdvSmoothSplashScreen* splash;
    int closes { 0 };
    int beforeShows { 0 };
};

TEST_F(SplashScreenTest, DefaultsAndVersion)
{
    EXPECT_TRUE(splash->StayOnTop());
    EXPECT_TRUE(splash->AutoShow());
    EXPECT_TRUE(splash->CloseOnMainFormShow());
    EXPECT_FALSE(splash->CloseOnTimeout());
    EXPECT_EQ(splash->TimeOut(), 1000);
    EXPECT_EQ(splash->PictureGap(), 5);
    EXPECT_EQ(splash->DisplayStyle(), TDisplayStyle::dsFadeInOut);
    EXPECT_EQ(splash->DisplayLocation(), TDisplayLocation::dlCenter);
    EXPECT_EQ(splash->Width(), 600);
    EXPECT_EQ(splash->Height(), 400);
    EXPECT_EQ(splash->MaxOpacity(), 255);
    EXPECT_EQ(splash->TextRendering(), TAdvSmoothSplashScreenTextRenderingHint::tClearType);
    splash->SetVersion(QStringLiteral("9.9"));
    EXPECT_EQ(splash->Version(), QStringLiteral("1.2.0.0"));
    EXPECT_EQ(splash->GetThemeID(), QStringLiteral("TAdvSmoothSplashScreen"));
    EXPECT_EQ(splash->BasicProgramInfo()->ProgramName()->Font()->Size(), 14);
    EXPECT_EQ(splash->BasicProgramInfo()->ProgramVersion()->PosX(), 80);
    EXPECT_EQ(splash->ListItemsSettings()->Space(), 8);
    EXPECT_EQ(splash->ListItemsSettings()->Rect()->GetRect(), TRect(30, 150, 330, 350));
}

TEST_F(SplashScreenTest, LoadedShowsAndTheFirstShowOfTheMainFormCloses)
{
    ConfigureAsMainWindow(*splash);
    splash->Loading();
    splash->Loaded();
    ASSERT_TRUE(splash->Showing());
    ASSERT_NE(splash->SplashWindow(), nullptr);
    EXPECT_EQ(beforeShows, 1);
    EXPECT_EQ(splash->MainForm(), form);
    EXPECT_TRUE(splash->SplashWindow()->Layered());
    EXPECT_EQ(splash->SplashWindow()->Width(), 622);
    EXPECT_EQ(splash->SplashWindow()->Height(), 352);
    EXPECT_EQ(splash->SplashWindow()->Opacity(), 255); // dsNormal hands the first image over at 255
    EXPECT_EQ(splash->CloseTimer()->Interval(), 100u);
    EXPECT_FALSE(splash->CloseTimer()->Enabled());
    EXPECT_TRUE(static_cast<bool>(form->OnShow));

    form->Show();
    EXPECT_FALSE(splash->Showing());
    EXPECT_EQ(splash->SplashWindow(), nullptr);
    EXPECT_FALSE(static_cast<bool>(form->OnShow));
    EXPECT_EQ(closes, 1);
    form->Hide();
}

TEST_F(SplashScreenTest, AMainFormHandlerRunsAfterTheSplashClosesAndIsPutBack)
{
    int calls = 0;
    TObject* sender = nullptr;
    struct Handler
    {
        int* calls;
        TObject** sender;
        void Show(TObject* s)
        {
            ++*calls;
            *sender = s;
        }
    } handler { &calls, &sender };
    form->OnShow = TMethod<TObject*>(&handler, &Handler::Show);
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    splash->Show(500, 500);
    splash->Show(); // showing: nothing
    EXPECT_EQ(beforeShows, 1);
    form->Show();
    EXPECT_FALSE(splash->Showing());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(sender, form);
    EXPECT_TRUE(SameMethod(form->OnShow, TMethod<TObject*>(&handler, &Handler::Show)));
    form->Hide();
    form->Show();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(closes, 1);
    form->Hide();
}

TEST_F(SplashScreenTest, WithoutCloseOnMainFormShowTheHandlerIsNeverTouched)
{
    splash->SetCloseOnMainFormShow(false);
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    splash->Show();
    EXPECT_FALSE(static_cast<bool>(form->OnShow));
    form->Show();
    EXPECT_TRUE(splash->Showing());
    splash->Hide();
    splash->Hide(); // hidden: nothing
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(static_cast<bool>(form->OnShow));
    form->Hide();
}

TEST_F(SplashScreenTest, MainFormSetterMovesTheHookWithoutLooping)
{
    TForm other(nullptr);
    splash->SetMainForm(&other);
    EXPECT_TRUE(static_cast<bool>(other.OnShow));
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    splash->Show(); // the owner form becomes the main form: the hook moves there
    EXPECT_EQ(splash->MainForm(), form);
    splash->SetMainForm(&other);
    EXPECT_FALSE(static_cast<bool>(form->OnShow));
    splash->SetMainForm(&other); // again: must not save its own hook as the old handler
    other.Show();
    EXPECT_FALSE(splash->Showing());
    EXPECT_FALSE(static_cast<bool>(other.OnShow));
    other.Hide();
}

TEST_F(SplashScreenTest, CloseTimerHidesAfterTheTimeout)
{
    splash->SetCloseOnTimeout(true);
    splash->SetTimeOut(100);
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    splash->Show();
    EXPECT_TRUE(splash->CloseTimer()->Enabled());
    EXPECT_EQ(splash->CloseTimer()->Interval(), 100u);
    splash->CloseTimer()->OnTimer(splash->CloseTimer());
    EXPECT_FALSE(splash->Showing());
    EXPECT_FALSE(splash->CloseTimer()->Enabled());
}

TEST_F(SplashScreenTest, OpaqueFillPaintsAnOrdinaryWindowOfTheGivenSize)
{
    splash->Fill()->SetColor(clRed);
    splash->Fill()->SetColorTo(clRed);
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    splash->Show();
    TSplashScreenWindow* w = splash->SplashWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->Layered());
    EXPECT_EQ(w->MainBuffer(), nullptr);
    EXPECT_EQ(w->Width(), 600);
    EXPECT_EQ(w->Height(), 400);
    const QImage img = wtest::Render(w);
    EXPECT_EQ(wtest::Pixel(img, 300, 200), clRed);
}

TEST_F(SplashScreenTest, FadesStepToTheirEnds)
{
    splash->Fill()->SetOpacity(200);
    splash->Show(); // dsFadeInOut on the layered path: 5, 25, ... 245, 255
    ASSERT_NE(splash->SplashWindow(), nullptr);
    EXPECT_EQ(splash->SplashWindow()->Opacity(), 255);
    splash->FadeOut(20, 0, 10);
    EXPECT_EQ(splash->SplashWindow()->Opacity(), 10);
    splash->FadeIn(100, 0, 200);
    EXPECT_EQ(splash->SplashWindow()->Opacity(), 200);
    splash->Hide();
    EXPECT_EQ(closes, 1);
}

TEST_F(SplashScreenTest, StylePresetsColourTheFill)
{
    splash->Fill()->SetGradientType(TAdvGradientType::gtHatch);
    splash->Fill()->SetColor(0x123456);
    splash->SetComponentStyle(TStylePreset::tsCustom);
    EXPECT_EQ(splash->Fill()->GradientType(), TAdvGradientType::gtVertical);
    EXPECT_EQ(splash->Fill()->Color(), 0x123456);
    splash->SetComponentStyle(TStylePreset::tsOffice2007Obsidian);
    EXPECT_EQ(splash->Fill()->Color(), 0xCFC6C1);
    EXPECT_EQ(splash->Fill()->ColorMirrorTo(), 0xECECE5);
    EXPECT_EQ(splash->Fill()->BorderColor(), 0x000000);
    EXPECT_EQ(splash->Fill()->GradientMirrorType(), TAdvGradientType::gtVertical);
    splash->SetComponentStyle(TStylePreset::tsWindowsXP);
    EXPECT_EQ(splash->Fill()->Color(), clBtnFace);
    EXPECT_EQ(splash->Fill()->ColorMirror(), clNone);
}

TEST_F(SplashScreenTest, LayeredImageShowsPictureTextsAndListLine)
{
    ConfigureAsMainWindow(*splash);
    splash->Show();
    TSplashScreenWindow* w = splash->SplashWindow();
    ASSERT_NE(w, nullptr);
    const QImage img = w->LayeredImage();
    ASSERT_EQ(img.size(), QSize(622, 352));
    if (qEnvironmentVariableIsSet("ZQ9_SPLASH_PNG"))
        img.save(QStringLiteral("/tmp/splash_window.png"));
    // The picture at the bottom centre, one pixel in: its corners are opaque, the window's are not.
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
    EXPECT_GT(qAlpha(img.pixel(300, 20)), 200);
    auto whiteIn = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = QColor::fromRgba(img.pixel(x, y));
                n += c.red() > 200 && c.green() > 200 && c.blue() > 200;
            }
        return n;
    };
    EXPECT_GT(whiteIn(QRect(85, 130, 300, 35)), 100);  // program name
    EXPECT_GT(whiteIn(QRect(475, 140, 60, 25)), 30);   // version
    EXPECT_GT(whiteIn(QRect(181, 210, 250, 30)), 100); // "Loading Program...."
    EXPECT_EQ(whiteIn(QRect(10, 20, 60, 60)), 0);
    EXPECT_EQ(splash->ListItems()->Items(0)->DisplayRect().Top, 210);
}

TEST_F(SplashScreenTest, ContentChangesRefreshButFillChangesDoNot)
{
    ConfigureAsMainWindow(*splash);
    splash->Show();
    TSplashScreenWindow* w = splash->SplashWindow();
    const QImage before = w->LayeredImage();
    splash->Fill()->SetColor(clRed); // not redrawn
    splash->Fill()->SetColorTo(clRed);
    EXPECT_EQ(w->LayeredImage(), before);
    splash->EndUpdate(); // without BeginUpdate: refreshes, showing the fill change
    const QImage refreshed = w->LayeredImage();
    EXPECT_NE(refreshed, before);
    EXPECT_GT(qRed(refreshed.pixel(300, 0)), qRed(before.pixel(300, 0)) + 40); // the rim above the picture
    splash->BasicProgramInfo()->ProgramName()->SetText(QStringLiteral("Other"));
    EXPECT_NE(w->LayeredImage(), refreshed);
}

} // namespace

namespace {

TEST_F(SplashScreenTest, ProgressChangesReachTheWindowAndReportTheComponent)
{
    ConfigureAsMainWindow(*splash);
    splash->ListItems()->Clear(); // the line lies where the bar goes
    std::vector<double> positions;
    splash->OnProgressPositionChanged = [&](TObject* s, double v) {
        EXPECT_EQ(s, splash);
        positions.push_back(v);
    };
    splash->Show();
    TSplashScreenWindow* w = splash->SplashWindow();
    ASSERT_NE(w, nullptr);
    TAdvSplashProgressBar* bar = w->ProgressBarControl();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->Visible());
    const QImage before = w->LayeredImage();
    TGDIPSplashProgress* p = splash->ProgressBar();
    p->SetLeft(160);
    p->SetTop(220);
    p->SetHeight(12);
    p->BackGroundFill()->SetColor(clNone);
    p->BackGroundFill()->SetColorTo(clNone);
    p->BackGroundFill()->SetBorderColor(clGray);
    p->ProgressFill()->SetColor(clWhite);
    p->ProgressFill()->SetColorTo(0xFFCC99);
    p->SetVisible(true);
    p->SetPosition(50);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(bar->BoundsRect(), TRect(160, 220, 460, 232));
    ASSERT_FALSE(positions.empty());
    EXPECT_EQ(positions.back(), 50);
    // The layered image is rendered again with the bar: white up to the middle of the bar.
    const QImage after = w->LayeredImage();
    EXPECT_NE(after, before);
    if (qEnvironmentVariableIsSet("ZQ9_SPLASH_PNG"))
        after.save(QStringLiteral("/tmp/splash_progress.png"));
    EXPECT_GT(qRed(after.pixel(230, 226)), 150);
    EXPECT_LT(qRed(after.pixel(400, 226)), 100);
}

TEST_F(SplashScreenTest, ClickingTheWindowClicksTheComponent)
{
    int clicks = 0;
    splash->OnClick = [&](TObject* s) {
        EXPECT_EQ(s, splash);
        ++clicks;
    };
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    splash->Show();
    wtest::ClickAt(splash->SplashWindow(), 10, 10);
    EXPECT_EQ(clicks, 1);
}

} // namespace

namespace {

TEST_F(SplashScreenTest, AWindowFreedByItsOwnerIsForgotten)
{
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    splash->Show();
    delete splash->SplashWindow(); // as the application does with the windows it owns at its end
    EXPECT_EQ(splash->SplashWindow(), nullptr);
    EXPECT_FALSE(splash->Showing());
    splash->Hide();
    splash->Refresh();
}

} // namespace

namespace {

// Counts the presses and releases a widget receives and where they land.
class ClickProbe : public QObject
{
public:
    explicit ClickProbe(QWidget* target) { target->installEventFilter(this); }
    int presses { 0 };
    int releases { 0 };
    QPoint at { -1, -1 };

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress) {
            ++presses;
            at = static_cast<QMouseEvent*>(e)->position().toPoint();
        } else if (e->type() == QEvent::MouseButtonRelease) {
            ++releases;
        }
        return false;
    }
};

// A child covering the top-left corner of a form's client area.
QWidget* CornerChild(TForm& f)
{
    auto* child = new QWidget(&f);
    child->setGeometry(QRect(f.ClientOrigin(), QSize(40, 30)));
    child->show();
    return child;
}

TEST_F(SplashScreenTest, FixedPositionPlacesTheWindowAtItsPointAndCentredIgnoresIt)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    struct Case {
        TDisplayLocation where;
        int posX, posY;
        bool showAt; // Show (X, Y) with other numbers
        QPoint want;
    };
    const Case cases[] = {
        { TDisplayLocation::dlFixedPos, 120, 80, false, { 120, 80 } },
        { TDisplayLocation::dlFixedPos, 120, 80, true, { 120, 80 } },
        { TDisplayLocation::dlFixedPos, 0, 0, false, { 0, 0 } },
        { TDisplayLocation::dlCenter, 120, 80, false,
          { screen.x() + (screen.width() - 600) / 2, screen.y() + (screen.height() - 400) / 2 } },
        { TDisplayLocation::dlCenter, 0, 0, true,
          { screen.x() + (screen.width() - 600) / 2, screen.y() + (screen.height() - 400) / 2 } },
    };
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    for (const Case& c : cases) {
        splash->SetDisplayLocation(c.where);
        splash->SetDisplayPosX(c.posX);
        splash->SetDisplayPosY(c.posY);
        if (c.showAt)
            splash->Show(333, 444);
        else
            splash->Show();
        TSplashScreenWindow* w = splash->SplashWindow();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(QPoint(w->Left(), w->Top()), c.want) << int(c.where) << " " << c.posX;
        EXPECT_EQ(w->Width(), 600);
        splash->Hide();
    }
}

TEST_F(SplashScreenTest, AfterClosingItClicksTheMainFormWhenAskedTo)
{
    QWidget* corner = CornerChild(*form);
    ClickProbe probe(corner);
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);

    // Not asked: the main form's show closes the splash and nothing more.
    splash->Show();
    form->Show();
    EXPECT_FALSE(splash->Showing());
    EXPECT_FALSE(splash->FocusTimer()->Enabled());
    form->Hide();

    // Asked: the focus timer (20 ms) is armed, and its tick clicks the client area's top-left
    // corner once, then gives the pointer back where it was.
    splash->SetFocusParentForm(true);
    EXPECT_EQ(splash->FocusTimer()->Interval(), 20u);
    splash->Show();
    form->Show();
    EXPECT_FALSE(splash->Showing());
    ASSERT_TRUE(splash->FocusTimer()->Enabled());
    EXPECT_EQ(probe.presses, 0);
    const QPoint pointer(7, 9);
    QCursor::setPos(pointer);
    const QPoint before = QCursor::pos();
    splash->FocusTimer()->OnTimer(splash->FocusTimer());
    EXPECT_FALSE(splash->FocusTimer()->Enabled());
    EXPECT_EQ(probe.presses, 1);
    EXPECT_EQ(probe.releases, 1);
    EXPECT_EQ(probe.at, QPoint(0, 0));
    EXPECT_EQ(QCursor::pos(), before);
    form->Hide();

    // The close timer does the same, but only when it closed a showing splash.
    splash->SetCloseOnMainFormShow(false);
    splash->SetCloseOnTimeout(true);
    splash->Show();
    splash->CloseTimer()->OnTimer(splash->CloseTimer());
    EXPECT_FALSE(splash->Showing());
    EXPECT_TRUE(splash->FocusTimer()->Enabled());
    splash->FocusTimer()->SetEnabled(false);
    splash->CloseTimer()->OnTimer(splash->CloseTimer()); // already hidden
    EXPECT_FALSE(splash->FocusTimer()->Enabled());
}

// The timer SetFocusToForm makes on its first use (20 ms, owned by the splash).
TTimer* FocusFormTimer(TAdvSmoothSplashScreen& s)
{
    for (int i = 0; i < s.ComponentCount(); ++i) {
        auto* t = dynamic_cast<TTimer*>(s.Components(i));
        if (t != nullptr && t != s.FocusTimer() && t != s.CloseTimer())
            return t;
    }
    return nullptr;
}

TEST_F(SplashScreenTest, SetFocusToFormClicksThatFormOnceAtItsNextTick)
{
    EXPECT_EQ(FocusFormTimer(*splash), nullptr);
    TForm other(nullptr);
    QWidget* corner = CornerChild(other);
    ClickProbe probe(corner);
    other.Show();
    splash->SetFocusToForm(&other);
    TTimer* timer = FocusFormTimer(*splash);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Interval(), 20u);
    EXPECT_TRUE(timer->Enabled());
    timer->OnTimer(timer);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(probe.presses, 1);
    EXPECT_EQ(probe.releases, 1);
    // A second call uses the same timer.
    splash->SetFocusToForm(&other);
    EXPECT_EQ(FocusFormTimer(*splash), timer);
    timer->OnTimer(timer);
    EXPECT_EQ(probe.presses, 2);
    other.Hide();

    // A form freed before the tick is not clicked: the tick finds nothing to click.
    auto* gone = new TForm(nullptr);
    gone->Show();
    splash->SetFocusToForm(gone);
    delete gone;
    timer->OnTimer(timer);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(probe.presses, 2);
}

} // namespace

namespace {

TEST_F(SplashScreenTest, AMainFormFreedFirstIsForgotten)
{
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    splash->SetFocusParentForm(true);
    splash->Show();
    auto* other = new TForm(nullptr);
    splash->SetMainForm(other);
    delete other;
    EXPECT_EQ(splash->MainForm(), nullptr);
    splash->Hide(); // puts no handler back on a freed form
    EXPECT_FALSE(splash->Showing());
    splash->FocusTimer()->OnTimer(splash->FocusTimer()); // clicks nothing
    EXPECT_EQ(closes, 1);
}

} // namespace
