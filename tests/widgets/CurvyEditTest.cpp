// Rounded edit box: fixed height, inner edit layout, image button sums and hit spans, events of
// the inner edit re-raised with the box as Sender, forwarded properties and the grey cue.
#include "WidgetTestSupport.h"

#include "platform/ui/TForm.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/CurvyControls.h"

#include "widgets/AdvGDIP.h"

#include <QApplication>
#include <QBuffer>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

using namespace vcl;

namespace {

// Images of a fixed size that record what was drawn.
class FakeImages : public TCurvyImageList
{
public:
    FakeImages(int w, int h) : TCurvyImageList(nullptr), m_w(w), m_h(h) {}
    int Width() const override { return m_w; }
    int Height() const override { return m_h; }
    void Draw(TCanvas*, int X, int Y, int Index, bool) override { drawn.push_back({ X, Y, Index }); }
    struct Call
    {
        int x, y, index;
    };
    std::vector<Call> drawn;

private:
    int m_w, m_h;
};

class CurvyEditTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }

    static QLineEdit* Line(TCurvyEdit* box) { return box->Edit()->LineEdit(); }

    // The panel's own painting over a background, as it shows over its parent.
    static QImage RenderOver(QWidget* w, QColor back)
    {
        QImage img(w->width(), w->height(), QImage::Format_RGB32);
        img.fill(back);
        w->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
        return img;
    }

    static void KeyTo(QWidget* w, int qtKey, const QString& text = {})
    {
        wtest::Key(w, QEvent::KeyPress, qtKey, text);
        wtest::Key(w, QEvent::KeyRelease, qtKey, text);
    }
};

TEST_F(CurvyEditTest, HeightIsAlwaysTwentyFour)
{
    TCurvyEdit box(nullptr);
    EXPECT_EQ(box.Width(), 100);
    EXPECT_EQ(box.Height(), 24);
    box.SetBounds(10, 20, 58, 100);
    EXPECT_EQ(box.BoundsRect(), TRect(10, 20, 68, 44));
    box.SetHeight(50);
    EXPECT_EQ(box.Height(), 24);
    EXPECT_EQ(box.Version(), QStringLiteral("1.0.3.1"));
    box.SetVersion(QStringLiteral("9"));
    EXPECT_EQ(box.Version(), QStringLiteral("1.0.3.1"));
}

TEST_F(CurvyEditTest, InnerEditLayout)
{
    struct Case
    {
        int width, rounding;
        std::vector<std::pair<TControlPosition, bool>> buttons; // position, drop-down
        int left, editWidth, leftIndent, rightIndent;
    };
    using P = TControlPosition;
    const Case cases[] = {
        { 58, 6, {}, 6, 44, 0, 0 },     // the main window's boxes: Width - 14
        { 100, 8, {}, 8, 82, 0, 0 },    // defaults
        { 100, 8, { { P::cpLeftInControl, false } }, 26, 64, 0, 0 },
        { 100, 8, { { P::cpRightInControl, false } }, 8, 64, 0, 0 },
        { 100, 8, { { P::cpLeft, false } }, 26, 64, 18, 0 },
        { 100, 8, { { P::cpRight, true } }, 8, 59, 0, 23 },
        { 120, 7, { { P::cpLeft, false }, { P::cpLeftInControl, true }, { P::cpRight, false } }, 48, 45, 18, 18 },
    };
    FakeImages images(16, 16);
    for (const Case& c : cases) {
        TCurvyEdit box(nullptr);
        box.SetRounding(c.rounding);
        box.SetWidth(c.width);
        box.SetImages(&images);
        for (auto [pos, drop] : c.buttons) {
            TCurvyControl* b = box.Controls()->Add();
            b->SetPosition(pos);
            b->SetDropDown(drop);
        }
        if (c.buttons.empty())
            box.SetImages(nullptr);
        EXPECT_EQ(box.Edit()->BoundsRect(), TRect(c.left, 5, c.left + c.editWidth, 23)) << c.width << " " << c.rounding;
        EXPECT_EQ(box.LeftIndent(), c.leftIndent);
        EXPECT_EQ(box.RightIndent(), c.rightIndent);
    }
    // Resizing lays the edit out again.
    TCurvyEdit box(nullptr);
    box.SetRounding(6);
    box.SetWidth(70);
    EXPECT_EQ(box.Edit()->Width(), 56);
}

TEST_F(CurvyEditTest, ButtonSizesAndHitSpans)
{
    FakeImages images(10, 12);
    TCurvyEdit box(nullptr);
    box.SetBounds(0, 0, 100, 24);
    box.SetImages(&images);
    TCurvyControl* a = box.Controls()->Add(); // right inside, 12 wide
    TCurvyControl* b = box.Controls()->Add();
    b->SetPosition(TControlPosition::cpLeftInControl);
    b->SetDropDown(true); // 17 wide
    EXPECT_EQ(box.Controls()->GetControlSize(a), TSize(12, 12));
    EXPECT_EQ(box.Controls()->GetControlSize(b), TSize(17, 12));
    EXPECT_EQ(box.Controls()->RightInside(), 14);
    EXPECT_EQ(box.Controls()->LeftInside(), 17);

    // Right-inside edge: 100 - 0 - 14 - 8 / 2 = 82, span 82..94; left-inside: 4, span 4..21.
    const struct { int x, hit; } hits[] = {
        { 82, -1 }, { 83, 0 }, { 93, 0 }, { 94, -1 }, { 4, -1 }, { 5, 1 }, { 20, 1 }, { 21, -1 }, { 50, -1 },
    };
    for (auto h : hits)
        EXPECT_EQ(box.ScanControls(false, h.x), h.hit) << h.x;

    // Drawing walks every button at its place, vertically centred: (24 - 12) / 2 = 6.
    images.drawn.clear();
    box.ScanControls(true, -1);
    ASSERT_EQ(images.drawn.size(), 0u); // no image index set: nothing to draw
    a->SetImageIndex(3);
    b->SetImageIndex(4);
    box.ScanControls(true, -1);
    ASSERT_EQ(images.drawn.size(), 2u);
    EXPECT_EQ(images.drawn[0].x, 82);
    EXPECT_EQ(images.drawn[0].y, 6);
    EXPECT_EQ(images.drawn[1].x, 4);

    // Removing the image list empties the sizes: buttons are 2 wide (7 with a drop-down arrow).
    box.SetImages(nullptr);
    EXPECT_EQ(box.Controls()->GetControlSize(a), TSize(2, 0));
    EXPECT_EQ(box.Controls()->GetControlSize(b), TSize(7, 0));
}

TEST_F(CurvyEditTest, PictureButtonsTakeThePictureSize)
{
    QImage img(16, 10, QImage::Format_ARGB32);
    img.fill(Qt::red);
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    TAdvGDIPPicture pic;
    pic.LoadFromBytes(png);
    pic.GetImageSizes();

    FakeImages images(10, 12);
    TCurvyEdit box(nullptr);
    box.SetImages(&images);
    TCurvyControl* a = box.Controls()->Add();
    EXPECT_EQ(box.Controls()->RightInside(), 14);
    a->SetPicture(&pic); // the picture's change notice re-lays the box out
    EXPECT_EQ(box.Controls()->GetControlSize(a), TSize(18, 10));
    EXPECT_EQ(box.Controls()->RightInside(), 20);
    EXPECT_EQ(box.Edit()->Width(), 100 - 16 - 20);
}

TEST_F(CurvyEditTest, ButtonStatesFollowTheMouse)
{
    FakeImages images(10, 12);
    TCurvyEdit box(nullptr);
    box.SetImages(&images);
    TCurvyControl* a = box.Controls()->Add();
    a->SetImageIndex(0);
    a->SetImageIndexHover(1);
    a->SetImageIndexDown(2);
    std::vector<int> clicks;
    box.OnControlClick = [&](TObject* s, int i) {
        EXPECT_EQ(s, &box);
        clicks.push_back(i);
    };
    int boxMouseDowns = 0;
    box.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++boxMouseDowns; };
    const int x = 88; // inside the right-inside button (edge 82)
    wtest::Move(&box, x, 12);
    EXPECT_EQ(a->State(), TControlState::csHover);
    wtest::Move(&box, 40, 12); // nothing hit: nothing changes
    EXPECT_EQ(a->State(), TControlState::csHover);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&box, &leave);
    EXPECT_EQ(a->State(), TControlState::csNormal);
    wtest::Press(&box, x, 12);
    EXPECT_EQ(a->State(), TControlState::csDown);
    wtest::Release(&box, x, 12);
    EXPECT_EQ(a->State(), TControlState::csNormal);
    EXPECT_EQ(clicks, std::vector<int>{ 0 });
    // A press on the panel itself is not the box's mouse event: that comes from the inner edit.
    EXPECT_EQ(boxMouseDowns, 0);
}

TEST_F(CurvyEditTest, ButtonSettersAndAssign)
{
    TCurvyEdit box(nullptr);
    int changes = 0;
    auto* controls = box.Controls();
    controls->OnChange = [&](TObject*) { ++changes; };
    TCurvyControl* a = controls->Add();
    EXPECT_EQ(changes, 1);
    a->SetDropDown(true);
    a->SetDropDown(true);
    a->SetImageIndex(5);
    a->SetPosition(TControlPosition::cpLeft);
    EXPECT_EQ(changes, 4);
    a->SetImageIndexHover(6); // stored only
    a->SetImageIndexDown(7);
    EXPECT_EQ(changes, 4);
    a->SetHint(QStringLiteral("tip"));
    TCurvyControl* b = controls->Add();
    b->Assign(a);
    EXPECT_EQ(b->DropDown(), true);
    EXPECT_EQ(b->ImageIndex(), 5);
    EXPECT_EQ(b->ImageIndexHover(), 6);
    EXPECT_EQ(b->ImageIndexDown(), 7);
    EXPECT_EQ(b->Position(), TControlPosition::cpLeft);
    EXPECT_EQ(b->Hint(), QStringLiteral("tip"));
}

TEST_F(CurvyEditTest, TextAndEventsComeBackWithTheBoxAsSender)
{
    TForm form(nullptr);
    auto* box = new TCurvyEdit(&form);
    box->SetParent(&form);
    box->SetBounds(10, 10, 58, 24);
    auto* other = new TCurvyEdit(&form);
    other->SetParent(&form);
    other->SetBounds(10, 40, 58, 24);
    std::vector<QString> log;
    auto tag = [&](const char* what, TObject* s) {
        log.push_back(QString::fromLatin1(what) + (s == box ? "" : "(foreign sender)"));
    };
    box->OnChange = [&](TObject* s) { tag("change", s); };
    box->OnKeyDown = [&](TObject* s, WORD& k, TShiftState) { tag(k == VK_RETURN ? "down-enter" : "down", s); };
    box->OnKeyUp = [&](TObject* s, WORD&, TShiftState) { tag("up", s); };
    box->OnKeyPress = [&](TObject* s, char16_t& ch) {
        tag("press", s);
        if (ch == u'x')
            ch = 0; // eaten: never reaches the edit
    };
    box->OnEnter = [&](TObject* s) { tag("enter", s); };
    box->OnExit = [&](TObject* s) { tag("exit", s); };
    int mx = -1, my = -1;
    box->OnMouseDown = [&](TObject* s, TMouseButton, TShiftState, int X, int Y) {
        tag("mouse", s);
        mx = X;
        my = Y;
    };

    box->SetText(QStringLiteral("+0.0dB"));
    EXPECT_EQ(box->Text(), QStringLiteral("+0.0dB"));
    EXPECT_EQ(box->Edit()->Text(), QStringLiteral("+0.0dB"));
    box->SetText(QStringLiteral("+0.0dB")); // unchanged: no notice
    EXPECT_EQ(log, std::vector<QString>{ "change" });

    form.Show();
    form.activateWindow();
    QApplication::processEvents();
    log.clear();
    box->SetFocus();
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(log, std::vector<QString>{ "enter" });
    log.clear();
    KeyTo(Line(box), Qt::Key_X, QStringLiteral("x"));
    KeyTo(Line(box), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(box->Text(), QStringLiteral("+0.0dB"));
    EXPECT_EQ(log, (std::vector<QString>{ "down", "press", "up", "down-enter", "press", "up" }));

    log.clear();
    other->SetFocus();
    EXPECT_EQ(log, std::vector<QString>{ "exit" });

    log.clear();
    wtest::Press(Line(box), 7, 4);
    wtest::Release(Line(box), 7, 4);
    EXPECT_EQ(log, std::vector<QString>{ "mouse" });
    EXPECT_EQ(mx, 7); // inner edit's client coordinates
    EXPECT_EQ(my, 4);
}

TEST_F(CurvyEditTest, ForwardedPropertiesReachTheInnerEdit)
{
    TForm form(nullptr);
    auto* box = new TCurvyEdit(&form);
    box->SetParent(&form);
    form.Show();

    EXPECT_EQ(box->Alignment(), TAlignment::taLeftJustify);
    EXPECT_TRUE(box->AutoSelect());
    EXPECT_TRUE(box->HideSelection());
    EXPECT_FALSE(box->ReadOnly());
    EXPECT_FALSE(box->TabStop());
    EXPECT_EQ(box->MaxLength(), 0);
    box->SetAlignment(TAlignment::taCenter);
    EXPECT_TRUE(Line(box)->alignment() & Qt::AlignHCenter);
    box->SetTextHint(QStringLiteral("8"));
    EXPECT_EQ(Line(box)->placeholderText(), QStringLiteral("8"));
    EXPECT_FALSE(Line(box)->hasFrame());

    // Numbers only: other characters are refused.
    box->SetNumbersOnly(true);
    box->SetFocus();
    box->SetText(QString());
    KeyTo(Line(box), Qt::Key_A, QStringLiteral("a"));
    KeyTo(Line(box), Qt::Key_7, QStringLiteral("7"));
    EXPECT_EQ(box->Text(), QStringLiteral("7"));
    box->SetNumbersOnly(false);

    // Read-only: typing leaves the text, the program's writes still land.
    box->SetReadOnly(true);
    box->SetText(QStringLiteral("19.7Hz"));
    box->SetFocus();
    KeyTo(Line(box), Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(box->Text(), QStringLiteral("19.7Hz"));

    // Disabled: only the inner edit greys; the panel stays enabled and still paints.
    box->SetEnabled(false);
    EXPECT_FALSE(box->Enabled());
    EXPECT_FALSE(box->Edit()->Enabled());
    EXPECT_TRUE(box->TControl::Enabled());
    EXPECT_TRUE(box->isEnabled());

    // Colour and font of the box reach the inner edit.
    box->SetColor(static_cast<TColor>(16777183));
    EXPECT_EQ(box->Edit()->Color(), static_cast<TColor>(16777183));
    TFont f;
    f.SetName(QStringLiteral("Tahoma"));
    f.SetHeight(-11);
    f.SetColor(0x008000);
    box->SetParentFont(false);
    box->SetFont(&f);
    EXPECT_EQ(box->Edit()->Font()->Color(), static_cast<TColor>(0x008000));
    EXPECT_EQ(box->Edit()->Font()->Height(), -11);
    box->Font()->SetColor(clBlack);
    EXPECT_EQ(box->Edit()->Font()->Color(), clBlack);
}

TEST_F(CurvyEditTest, CharCaseChangesTypedLettersOnly)
{
    TForm form(nullptr);
    auto* box = new TCurvyEdit(&form);
    box->SetParent(&form);
    form.Show();
    box->SetFocus();
    struct Case
    {
        TEditCharCase charCase;
        const char* typed;
        const char* shown;
    };
    for (const Case& c : { Case { TEditCharCase::ecNormal, "aB1", "aB1" }, Case { TEditCharCase::ecUpperCase, "aB1", "AB1" },
                           Case { TEditCharCase::ecLowerCase, "aB1", "ab1" } }) {
        box->SetCharCase(c.charCase);
        box->SetText(QString());
        for (const char ch : std::string_view(c.typed))
            KeyTo(Line(box), QChar(ch).toUpper().unicode(), QString(QChar(ch)));
        EXPECT_EQ(box->Text(), QString::fromLatin1(c.shown)) << c.typed;
    }
    // The program's text stays as given, and the typing limit still holds for converted letters.
    box->SetCharCase(TEditCharCase::ecUpperCase);
    box->SetText(QStringLiteral("dB"));
    EXPECT_EQ(box->Text(), QStringLiteral("dB"));
    box->SetText(QString());
    box->SetMaxLength(2);
    for (const char* ch : { "a", "b", "c" })
        KeyTo(Line(box), Qt::Key_A, QString::fromLatin1(ch));
    EXPECT_EQ(box->Text(), QStringLiteral("AB"));
}

TEST_F(CurvyEditTest, SelectionStaysShownWhenFocusLeavesUnlessHidden)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* box = new TCurvyEdit(&form);
    box->SetParent(&form);
    box->SetBounds(10, 10, 70, 24);
    auto* other = new TCurvyEdit(&form);
    other->SetParent(&form);
    other->SetBounds(10, 40, 70, 24);
    form.Show();
    form.activateWindow();
    QApplication::processEvents();
    const QColor highlight = Line(box)->palette().color(QPalette::Active, QPalette::Highlight);
    auto highlighted = [&] {
        const QImage img = Line(box)->grab().toImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y) == highlight)
                    return true;
        return false;
    };

    for (const bool hide : { false, true }) {
        SCOPED_TRACE(hide ? "HideSelection True" : "HideSelection False");
        box->SetHideSelection(hide);
        box->SetText(QStringLiteral("+10.5dB"));
        box->SetFocus();
        box->SetSelStart(1);
        box->SetSelLength(4);
        ASSERT_TRUE(highlighted());
        other->SetFocus();
        ASSERT_FALSE(box->Focused());
        EXPECT_EQ(box->Edit()->SelText(), hide ? QString() : QStringLiteral("10.5"));
        EXPECT_EQ(highlighted(), !hide);
    }
}

TEST_F(CurvyEditTest, PanelPaintsRoundedBodyBorderAndShadow)
{
    TCurvyEdit box(nullptr);
    box.SetBounds(0, 0, 58, 24);
    box.SetRounding(6);
    box.SetColor(0x00FF00);
    box.SetBorderColor(0x0000FF);
    box.SetShadowColor(0xFF0000);
    const QColor back(1, 2, 3);
    auto dominant = [](const QImage& img, int x, int y) {
        const QColor c = img.pixelColor(x, y);
        if (c.red() > 128 && c.green() < 128 && c.blue() < 128)
            return 'r';
        if (c.green() > 128 && c.red() < 128 && c.blue() < 128)
            return 'g';
        if (c.blue() > 128 && c.red() < 128 && c.green() < 128)
            return 'b';
        return '?';
    };
    for (bool enabled : { true, false }) {
        box.SetEnabled(enabled); // the frame paints the same either way
        const QImage img = RenderOver(&box, back);
        EXPECT_EQ(img.pixelColor(0, 0), back);   // outside the rounded corner: the parent shows
        EXPECT_EQ(img.pixelColor(57, 23), back);
        EXPECT_EQ(img.pixelColor(3, 12), QColor(0, 255, 0)); // body beside the inner edit
        EXPECT_EQ(dominant(img, 29, 0), 'r');    // border
        EXPECT_EQ(dominant(img, 29, 1), 'b');    // shadow line under the top edge
        EXPECT_EQ(dominant(img, 0, 12), 'r');    // left border
    }
    // Without a shadow colour the line under the top edge is body.
    box.SetShadowColor(clNone);
    EXPECT_EQ(dominant(RenderOver(&box, back), 29, 1), 'g');

    // An outside button moves the body in by the indent.
    FakeImages images(16, 16);
    box.SetImages(&images);
    box.Controls()->Add()->SetPosition(TControlPosition::cpLeft);
    const QImage img = RenderOver(&box, back);
    EXPECT_EQ(img.pixelColor(10, 12), back);
    EXPECT_EQ(dominant(img, 18, 12), 'r');
}

TEST_F(CurvyEditTest, DropDownArrowIsDrawnAfterTheImage)
{
    FakeImages images(10, 12);
    TCurvyEdit box(nullptr);
    box.SetBounds(0, 0, 100, 24);
    box.SetColor(clWhite);
    box.SetImages(&images);
    TCurvyControl* b = box.Controls()->Add();
    b->SetDropDown(true); // 17 wide, at 100 - 19 - 4 = 77, top (24 - 12) / 2 = 6
    const QImage img = wtest::Render(&box);
    // Triangle (77 + 10, 11), (77 + 16, 11), (77 + 13, 15): its middle is black.
    EXPECT_EQ(img.pixelColor(90, 12), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(90, 17), QColor(Qt::white));
}

TEST_F(CurvyEditTest, EndKeyMessageMovesTheCaretToTheEnd)
{
    TForm form(nullptr);
    auto* box = new TCurvyEdit(&form);
    box->SetParent(&form);
    box->SetText(QStringLiteral("0.00ms"));
    box->SetSelStart(0);
    box->Perform(0x0100, VK_END);
    box->Perform(0x0101, VK_END);
    EXPECT_EQ(box->SelStart(), 6);
}

TEST_F(CurvyEditTest, TypedEntryHandlerRewritesTheBoxOnEnter)
{
    // The editors' pattern: on Enter (and on leaving) the handler clears the box, writes the
    // canonical text and sends End down and up to put the caret after it.
    TForm form(nullptr);
    auto* box = new TCurvyEdit(&form);
    box->SetParent(&form);
    auto* other = new TCurvyEdit(&form);
    other->SetParent(&form);
    int commits = 0;
    auto commit = [&] {
        ++commits;
        const QString typed = box->Text();
        box->SetText(QString());
        box->SetText(typed.trimmed() + QStringLiteral("ms"));
        box->Perform(0x0100, VK_END);
        box->Perform(0x0101, VK_END);
    };
    box->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        if (key == VK_RETURN)
            commit();
    };
    box->OnExit = [&](TObject*) { commit(); };
    form.Show();
    form.activateWindow();
    QApplication::processEvents();
    box->SetFocus();
    box->SetText(QString());
    KeyTo(Line(box), Qt::Key_5, QStringLiteral("5"));
    KeyTo(Line(box), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(box->Text(), QStringLiteral("5ms"));
    EXPECT_EQ(box->SelStart(), 3);
    other->SetFocus();
    EXPECT_EQ(commits, 2);
    EXPECT_EQ(box->Text(), QStringLiteral("5msms"));
}

TEST_F(CurvyEditTest, EmptyTextCueShowsOnlyWhileEmpty)
{
    TForm form(nullptr);
    auto* box = new TCurvyEdit(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 100, 24);
    box->SetColor(clWhite);
    form.Show();
    auto greyPixels = [&] {
        QLineEdit* line = Line(box);
        QImage img(line->size(), QImage::Format_RGB32);
        img.fill(Qt::white);
        line->render(&img);
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += wtest::Pixel(img, x, y) == static_cast<TColor>(0x808080);
        return n;
    };
    EXPECT_EQ(greyPixels(), 0);
    box->SetEmptyText(QStringLiteral("Type"));
    EXPECT_TRUE(box->Edit()->CueShown());
    EXPECT_GT(greyPixels(), 10);
    box->SetText(QStringLiteral("1"));
    EXPECT_FALSE(box->Edit()->CueShown());
    EXPECT_EQ(greyPixels(), 0);
}

TEST_F(CurvyEditTest, TextHintCueIsDrawnInTheSystemGreyAndNoDarker)
{
    // A see-through cue colour shows black on an X screen with the box's unsmoothed font: the cue
    // must be the opaque system grey: its darkest pixel is that grey.
    TForm form(nullptr);
    auto* box = new TCurvyEdit(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 100, 24);
    box->SetColor(clWhite);
    form.Show();
    QLineEdit* line = Line(box);
    auto rendered = [&] {
        QImage img(line->size(), QImage::Format_RGB32);
        img.fill(Qt::white);
        line->render(&img);
        return img;
    };
    const QImage plain = rendered();
    box->SetTextHint(QStringLiteral("Hz"));
    const QImage hinted = rendered();
    int cue = 0;
    int darkest = 255;
    for (int y = 0; y < hinted.height(); ++y)
        for (int x = 0; x < hinted.width(); ++x)
            if (hinted.pixel(x, y) != plain.pixel(x, y)) {
                ++cue;
                darkest = std::min(darkest, qGray(hinted.pixel(x, y)));
            }
    EXPECT_GT(cue, 5);
    EXPECT_EQ(darkest, qGray(ToQColor(clGrayText).rgb()));
}

} // namespace
