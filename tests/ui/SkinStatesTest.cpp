// The skinned main window after a user's hands were on it, on an X display, in English and Chinese:
// the crossover read-outs after a release on a response plot, the view switch's rings, the up-down
// arrows, captions on frame lines, the PEQ column titles, the longest channel name, OnLine against
// OffLine, the message after a whole-unit download, a store tried off line, and the window maximised
// and below its design size. Pictures go to ZQ9_SCREENSHOT_DIR; the test runs only on the xcb platform.
#include "SkinScreensRig.h"

#include "device/PresetFiles.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TUpDown.h"
#include "ui/FChannelName.h"
#include "ui/FInformation.h"
#include "ui/FRecallPreset.h"
#include "ui/FStoreName.h"
#include "ui/FStorePreset.h"
#include "ui/ValueListGrid.h"
#include "ui/FMainLayoutCaptions.h"
#include "ui/MainLinkViews.h"
#include "ui/MainWindowScroller.h"
#include "ui/Skin.h"
#include "widgets/RzPanel.h"

#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTableWidget>

#include <fstream>
#include <memory>
#include <utility>

using namespace skinshots;

namespace {

// Non-text marks (a ring, an arrow) stand out from what lies around them at 3:1 at least.
constexpr double MarkContrast = 3.0;

void Press(QWidget& top, QWidget& c, QPoint at)
{
    QTest::mousePress(top.windowHandle(), Qt::LeftButton, Qt::NoModifier, c.mapTo(&top, at));
    QTest::mouseRelease(top.windowHandle(), Qt::LeftButton, Qt::NoModifier, c.mapTo(&top, at));
    QApplication::processEvents();
}

// The value boxes of both crossover filters after a press and release on the channel's plot.
void CrossoverReadoutsAfterARelease(TfmMain& form, const QString& tag)
{
    Click(form, QStringLiteral("rzbMenuOut1"));
    auto* plot = Find(form, QStringLiteral("fftDrawOut1"));
    ASSERT_NE(plot, nullptr);
    Press(form, *plot, QPoint(plot->width() / 2, plot->height() - 30));
    QTest::mouseMove(form.windowHandle(), QPoint(2, form.height() - 2));
    const QImage img = Grab(form);
    Keep(img, QStringLiteral("after-plot-release-") + tag);
    for (const char* name : { "cvdLowCutFreqOut1", "cvdHighCutFreqOut1" }) {
        auto* box = Find(form, QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        const TextReading t = ReadText(img, VisibleRect(*box, form).adjusted(4, 4, -4, -4));
        EXPECT_GE(t.contrast, skin::ReadableContrast) << tag.toStdString() << " " << name << " " << Describe(t).toStdString();
    }
    // The ring of the view not chosen shows as plainly as the chosen one's.
    for (const char* name : { "rbShowGainOut1", "rbShowPhaseOut1" }) {
        auto* rb = Find(form, QString::fromLatin1(name));
        ASSERT_NE(rb, nullptr) << name;
        const QRect ring = VisibleRect(*rb, form);
        const TextReading t = ReadText(img, QRect(ring.left(), ring.top(), 18, ring.height()));
        EXPECT_GE(t.contrast, MarkContrast) << tag.toStdString() << " " << name << " " << Describe(t).toStdString();
    }
    // The PEQ column titles stand each over its column.
    auto* heading = dynamic_cast<layout::ColumnHeading*>(Find(form, QStringLiteral("lbEqOut1")));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->Words().size(), 6);
    EXPECT_EQ(heading->Columns().size(), static_cast<std::size_t>(heading->Words().size())) << tag.toStdString();
}

// Whether a sibling drawn over the control, or over one of its ancestors, hides the given point of it.
bool Hidden(QWidget& c, QPoint at, QWidget& top)
{
    const QPoint global = c.mapTo(&top, at);
    for (QWidget* w = &c; w && w != &top; w = w->parentWidget()) {
        QWidget* parent = w->parentWidget();
        if (!parent)
            break;
        const QObjectList& siblings = parent->children();
        for (auto i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            auto* s = qobject_cast<QWidget*>(siblings[i]);
            if (s && s->isVisible() && !s->isWindow() && QRect(s->mapTo(&top, QPoint(0, 0)), s->size()).contains(global))
                return true;
        }
    }
    return false;
}

// Captions that sit on their box's frame line: the line stops short of the text. The frame's top
// runs two pixels deep; a caption placed just below it is not struck, and a caption of a box that
// another page's box covers is not seen.
void FrameLinesStopAtCaptions(TfmMain& form, const QImage& img, const QString& shot)
{
    int checked = 0;
    for (auto* widget : form.findChildren<QWidget*>()) {
        auto* caption = dynamic_cast<layout::FrameCaption*>(widget);
        if (!caption)
            continue;
        auto* box = dynamic_cast<rz::TRzGroupBox*>(caption->Parent());
        if (!caption->isVisible() || !box || caption->Caption().isEmpty() || caption->Left() < 8)
            continue;
        const QFontMetrics fm(caption->font());
        const int textWidth = std::min(caption->width(), fm.horizontalAdvance(caption->Caption()));
        if (Hidden(*caption, QPoint(textWidth / 2, caption->height() / 2), form))
            continue;
        const QRect r = VisibleRect(*caption, form);
        const int line = vcl::TextMetrics().TextExtent(*box->Font(), QStringLiteral("Pp")).cy / 2 - 1;
        for (int depth = 0; depth < 2; ++depth) {
            const int y = box->mapTo(&form, QPoint(0, line + depth)).y();
            if (y < r.top() || y > r.bottom())
                continue; // the line passes above or below the caption
            const QRgb frame = img.pixel(Physical(img, QRect(r.left() - 5, y, 1, 1)).topLeft());
            const QRgb back = img.pixel(Physical(img, QRect(r.left() - 5, y + 5, 1, 1)).topLeft());
            const Rgb boxColour = skin::RgbOf(box->Color());
            if (frame == back || (frame & 0xFFFFFFu) == (qRgb(boxColour.r, boxColour.g, boxColour.b) & 0xFFFFFFu))
                continue; // no line drawn beside this caption
            ++checked;
            // Glyphs may share the line's colour in short runs; the line itself is one long run.
            int run = 0, longest = 0;
            const QRect row = Physical(img, QRect(r.left(), y, textWidth, 1));
            for (int x = row.left(); x <= row.right(); ++x) {
                run = img.pixel(x, row.top()) == frame ? run + 1 : 0;
                longest = std::max(longest, run);
            }
            EXPECT_LE(longest, std::max(12, row.width() / 2)) << shot.toStdString() << ": the frame line runs through "
                                                              << caption->Name().toStdString() << " at row " << y << std::hex
                                                              << " line " << frame << " back " << back;
        }
    }
    EXPECT_GT(checked, 0) << shot.toStdString() << ": no caption on a frame line was seen";
}

void UpDownArrowsShow(TfmMain& form, const QString& tag)
{
    Click(form, QStringLiteral("rzbMenuComp"));
    const QImage img = Grab(form);
    Keep(img, QStringLiteral("comp-up-downs-") + tag);
    FrameLinesStopAtCaptions(form, img, QStringLiteral("comp-") + tag);
    for (const char* name : { "udCompRatioOut1", "udCompKneeOut3" }) {
        auto* ud = Find(form, QString::fromLatin1(name));
        ASSERT_NE(ud, nullptr) << name;
        const QRect r = VisibleRect(*ud, form);
        for (const QRect& half : { QRect(r.left(), r.top(), r.width(), r.height() / 2), QRect(r.left(), r.center().y(), r.width(), r.height() / 2) }) {
            const TextReading t = ReadText(img, half.adjusted(3, 2, -3, -2));
            EXPECT_GE(t.contrast, MarkContrast) << tag.toStdString() << " " << name << " " << Describe(t).toStdString();
        }
    }
}

// The longest channel name, typed into the name dialog opened from the Matrix page, shows whole.
void LongestChannelNameFits(TfmMain& form, const QString& tag)
{
    Click(form, QStringLiteral("rzbMenuMatrix"));
    seqtest::ModalAnswer name(fmChannelName, [](vcl::TForm& dialog) {
        fmChannelName->edName->SetFocus();
        QTest::keyClick(dialog.windowHandle(), Qt::Key_A, Qt::ControlModifier);
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(dialog.windowHandle(), 'W');
        auto* ok = fmChannelName->btnOK;
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier, ok->mapTo(&dialog, QPoint(ok->width() / 2, ok->height() / 2)));
    });
    Click(form, QStringLiteral("lbMatrixChNameOut6"));
    ASSERT_TRUE(seqtest::SpinUntil([&] { return name.Count == 1 && !fmChannelName->Visible(); }));
    auto* label = Find<vcl::TLabel>(form, QStringLiteral("lbMatrixChNameOut6"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), QStringLiteral("WWWWWWWW"));
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->Caption()), label->width()) << tag.toStdString();
    const QImage img = Grab(form);
    Keep(img, QStringLiteral("matrix-long-name-") + tag);
    ExpectReadable(img, form, QStringLiteral("matrix-long-name-") + tag);
}

// A whole-unit file whose 30 records are all unused.
QString EmptyUnitFile(const QString& dir)
{
    std::string bytes(FILE_IDENTITY.begin(), FILE_IDENTITY.end());
    bytes.append(18, '\0');
    for (int k = 0; k < 30; ++k)
        bytes.append(std::string(718, 'd') + "\r\n");
    const QString path = dir + QStringLiteral("/empty.unt");
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
    return path;
}

// File > Download through the menu bar and its menu, with the mouse.
void ChooseDownload(TfmMain& form)
{
    auto* bar = form.findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QAction* file = bar->actions().value(0);
    ASSERT_NE(file, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(file).center());
    ASSERT_TRUE(seqtest::SpinUntil([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* download = nullptr;
    for (QAction* a : menu->actions())
        if (QString(a->text()).remove(QLatin1Char('&')) == form.GetSidText(QStringLiteral("SID_DOWNLOAD")))
            download = a;
    ASSERT_NE(download, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(download).center());
}

// After the download the device restarts: the window says so once the link is closed, and its link
// button turns from OnLine to OffLine, both readable and plainly different.
void DownloadEndsWithAMessage(ScreensRig& r, const QString& tag, const QString& unitFile)
{
    TfmMain& form = *r.form;
    const QRect link = VisibleRect(*form.rzbMenuLink, form);
    const QImage online = Grab(form);
    vcl::TFileDialogSeam files([&](const vcl::TFileDialogRequest&) -> std::optional<QString> { return unitFile; });
    ShotOfModal(fmInformation, [&] { ChooseDownload(form); }, QStringLiteral("dialog-device-restarts-") + tag);
    EXPECT_EQ(LinkViews::InformationText(), form.GetSidText(QStringLiteral("SID_INFO_DEVICE_RESTART")));
    EXPECT_FALSE(form.Controller.IsLinked());
    form.activateWindow();
    QTest::mouseMove(form.windowHandle(), QPoint(2, form.height() - 2));
    const QImage offline = Grab(form);
    Keep(offline, QStringLiteral("offline-after-download-") + tag);
    EXPECT_GE(ChangedPixels(online, offline, link), link.width() * link.height() / 2) << "OnLine and OffLine look alike";
    for (const QImage* img : { &online, &offline }) {
        const TextReading t = ReadText(*img, link.adjusted(4, 6, -4, -6));
        EXPECT_GE(t.contrast, skin::ReadableContrast) << tag.toStdString() << " link button " << Describe(t).toStdString();
    }
}

// Off line a store does nothing: after a name is typed into the store dialog, the store and the
// recall lists, opened again, show what they showed before.
void StoreOfflineShowsNothingNew(TfmMain& form, const QString& tag)
{
    ASSERT_FALSE(form.Controller.IsLinked());
    const std::string storeBefore = fmStorePreset->ListBytes();
    const std::string recallBefore = fmRecallPreset->ListBytes();
    bool typed = false, answering = false;
    auto pick = std::make_unique<seqtest::ModalAnswer>(fmStorePreset, [&](vcl::TForm&) {
        // The waits below run the event loop, in which the answer's own timer comes round again.
        if (std::exchange(answering, true))
            return;
        auto* grid = fmStorePreset->vledPresetName->findChild<QTableWidget*>();
        ASSERT_NE(grid, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fmStorePreset));
        // A row other than the one the list keeps current from the round before.
        const int row = grid->currentRow() == 2 ? 3 : 2;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualItemRect(grid->item(row, 1)).center());
        ASSERT_TRUE(seqtest::SpinUntil([] { return fmStoreName->Visible(); }));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fmStoreName));
        // There is no window manager on the display to give the new window the keyboard.
        fmStoreName->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fmStoreName));
        ASSERT_TRUE(fmStoreName->edName->hasFocus());
        for (char c : { 'G', 'i', 'g' })
            QTest::keyClick(fmStoreName->windowHandle(), c);
        typed = fmStoreName->edName->Text().startsWith(QStringLiteral("Gig"));
        Keep(Grab(*fmStoreName), QStringLiteral("offline-store-name-") + tag);
        QTest::keyClick(fmStoreName->windowHandle(), Qt::Key_Return);
    });
    Click(form, QStringLiteral("bStore"));
    ASSERT_TRUE(seqtest::SpinUntil([&] { return answering && !fmStorePreset->Visible() && !fmStoreName->Visible(); }));
    pick.reset();
    EXPECT_TRUE(typed) << tag.toStdString() << ": the name reached the name box";
    ShotOfModal(fmStorePreset, [&] { Click(form, QStringLiteral("bStore")); }, QStringLiteral("offline-store-list-") + tag);
    ShotOfModal(fmRecallPreset, [&] { Click(form, QStringLiteral("bRecall")); }, QStringLiteral("offline-recall-list-") + tag);
    EXPECT_EQ(fmStorePreset->ListBytes(), storeBefore) << tag.toStdString();
    EXPECT_EQ(fmRecallPreset->ListBytes(), recallBefore) << tag.toStdString();
}

// Maximised: the page meters and their scales stand beside the transfer plots, the delay rows'
// names beside their markers.
void MaximisedNothingOverlaps(TfmMain& form, const QString& tag)
{
    const QRect avail = form.screen()->availableGeometry();
    form.SetBounds(0, 0, avail.width() - 20, avail.height() - 40);
    QApplication::processEvents();
    struct Page { const char* button; const char* plot; std::vector<QString> beside; };
    std::vector<QString> comp { QStringLiteral("pbLevelCompOut"), QStringLiteral("pbLimitCompOut"), QStringLiteral("lbHeadCompOut") };
    std::vector<QString> gate { QStringLiteral("pbLevelGateIn"), QStringLiteral("lbHeadGateIn") };
    for (int k = 1; k <= 9; ++k) {
        comp.push_back(QStringLiteral("lbScaleComp%1").arg(k));
        gate.push_back(QStringLiteral("lbScaleGate%1").arg(k));
    }
    for (const Page& p : { Page { "rzbMenuComp", "ipComp", comp }, Page { "rzbMenuGate", "ipGate", gate } }) {
        Click(form, QString::fromLatin1(p.button));
        auto* plot = Find(form, QString::fromLatin1(p.plot));
        ASSERT_NE(plot, nullptr);
        const QRect plotRect = VisibleRect(*plot, form);
        for (const QString& name : p.beside) {
            auto* c = Find(form, name);
            ASSERT_NE(c, nullptr) << name.toStdString();
            EXPECT_FALSE(VisibleRect(*c, form).intersects(plotRect)) << tag.toStdString() << " " << name.toStdString() << " lies on " << p.plot;
        }
        Keep(Grab(form), QStringLiteral("maximised-") + QString::fromLatin1(p.plot) + QLatin1Char('-') + tag);
    }
    Click(form, QStringLiteral("rzbMenuDelay"));
    for (int ch = 0; ch < layout::ChannelCount; ++ch) {
        const QString sfx = layout::ChannelSuffix(ch);
        auto* marker = Find(form, QStringLiteral("imDelay") + sfx);
        auto* name = Find(form, QStringLiteral("lbFftDelayName") + sfx);
        auto* time = Find(form, QStringLiteral("lbFftDelayTime") + sfx);
        ASSERT_TRUE(marker && name && time) << sfx.toStdString();
        const QRect m = VisibleRect(*marker, form);
        for (auto* label : { name, time }) {
            const int middle = VisibleRect(*label, form).center().y();
            EXPECT_TRUE(middle >= m.top() && middle <= m.bottom()) << tag.toStdString() << " " << label->Name().toStdString() << " drifted from its marker";
        }
    }
    const QImage delay = Grab(form);
    Keep(delay, QStringLiteral("maximised-delay-") + tag);
    for (int ch = 0; ch < layout::ChannelCount; ++ch)
        for (const char* stem : { "lbFftDelayName", "lbFftDelayTime" }) {
            auto* label = Find(form, QString::fromLatin1(stem) + layout::ChannelSuffix(ch));
            const TextReading t = ReadText(delay, VisibleRect(*label, form));
            EXPECT_GE(t.contrast, skin::ReadableContrast) << tag.toStdString() << " " << label->Name().toStdString() << " " << Describe(t).toStdString();
        }
}

// Below the design size scroll bars appear; each control at the far edges can be scrolled into
// view with them and used.
void SmallWindowScrollsToEveryControl(TfmMain& form, const QString& tag)
{
    form.SetBounds(0, 0, 900, 560);
    QApplication::processEvents();
    ASSERT_TRUE(form.Scroller);
    QScrollBar* horz = form.Scroller->HorzBar();
    QScrollBar* vert = form.Scroller->VertBar();
    ASSERT_TRUE(horz->isVisible() && vert->isVisible()) << tag.toStdString();
    Keep(Grab(form), QStringLiteral("small-window-") + tag);
    // The part of the window the bars leave free.
    const QRect free(QPoint(0, form.ClientOrigin().y()), QPoint(vert->geometry().left() - 1, horz->geometry().top() - 1));
    auto page = [&](QScrollBar* bar, bool forward) {
        const QRect g = bar->geometry();
        const QPoint at = bar->orientation() == Qt::Horizontal ? QPoint(forward ? g.right() - 24 : g.left() + 24, g.center().y())
                                                                : QPoint(g.center().x(), forward ? g.bottom() - 24 : g.top() + 24);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
    };
    for (const char* name : { "rzbMenuLink", "bStore", "bRecall", "rzbMenuGate" }) {
        auto* c = Find(form, QString::fromLatin1(name));
        ASSERT_NE(c, nullptr) << name;
        for (int i = 0; i < 20 && !free.contains(VisibleRect(*c, form)); ++i) {
            const QRect r = VisibleRect(*c, form);
            if (r.right() > free.right() || r.isEmpty())
                page(horz, true);
            if (r.bottom() > free.bottom() || r.isEmpty())
                page(vert, true);
            if (r.left() < free.left())
                page(horz, false);
            if (r.top() < free.top())
                page(vert, false);
        }
        EXPECT_TRUE(free.contains(VisibleRect(*c, form))) << tag.toStdString() << " " << name << " cannot be scrolled into view";
    }
    Keep(Grab(form), QStringLiteral("small-window-scrolled-") + tag);
    Click(form, QStringLiteral("rzbMenuGate"));
    EXPECT_EQ(form.CurPage, 12) << "the scrolled-to page button works";
    form.SetBounds(0, 0, 1118, 720);
    QApplication::processEvents();
    EXPECT_FALSE(horz->isVisible() || vert->isVisible());
    EXPECT_EQ(Find(form, QStringLiteral("rzgMain"))->Top(), 40) << "the content is back in its place";
}

} // namespace

TEST(SkinScreens, StatesAfterUseAndEverySizeInBothLanguages)
{
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("xcb") || qEnvironmentVariableIsEmpty("ZQ9_SCREENSHOT_DIR"))
        GTEST_SKIP() << "runs on an X display with ZQ9_SCREENSHOT_DIR set (tests/ui/run-under-xvfb)";
    ScreensRig r;
    QTemporaryDir dir;
    const QString unitFile = EmptyUnitFile(dir.path());
    TfmMain& form = *r.form;
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const char* language : { "English", "ChineseSimplified" }) {
        const QString tag = QLatin1String(language) == QLatin1String("English") ? QStringLiteral("en") : QStringLiteral("zh");
        SCOPED_TRACE(tag.toStdString());
        ASSERT_TRUE(r.Connect());
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        Find<vcl::TMenuItem>(form, QString::fromLatin1(language))->Click();
        CrossoverReadoutsAfterARelease(form, tag);
        UpDownArrowsShow(form, tag);
        LongestChannelNameFits(form, tag);
        MaximisedNothingOverlaps(form, tag);
        SmallWindowScrollsToEveryControl(form, tag);
        DownloadEndsWithAMessage(r, tag, unitFile);
        StoreOfflineShowsNothingNew(form, tag);
    }
}
