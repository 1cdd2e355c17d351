// Every page of the property editor laid out without overlapping controls or cut captions; with
// ZQ9_ARTIFACT_DIR (or ZQ9_SCREENSHOT_DIR) set, a picture of each page is kept there.

#include "PlotEditorTestSupport.h"

#include "plot/iCheckBox.h"

#include "platform/ui/TFont.h"
#include "platform/ui/TLabel.h"

#include <QDir>
#include <QFontMetrics>

using namespace vcl;
using ptest::PlotEditorTest;

#include <functional>

namespace {

QString PictureFolder()
{
    for (const char* name : { "ZQ9_ARTIFACT_DIR", "ZQ9_SCREENSHOT_DIR" })
        if (const QByteArray dir = qgetenv(name); !dir.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(dir));
            return QString::fromLocal8Bit(dir);
        }
    return QString();
}

// The visible controls placed side by side on one parent that cover each other or leave it.
QStringList Overlaps(QWidget* Parent)
{
    QStringList found;
    std::vector<TControl*> shown;
    for (QObject* child : Parent->children())
        if (auto* c = dynamic_cast<TControl*>(child); c && c->isVisible())
            shown.push_back(c);
    for (TControl* c : shown)
        if (!Parent->rect().contains(c->geometry()))
            found << c->Name() + QStringLiteral(" '") + c->Caption() + QStringLiteral("' leaves its parent: ")
                    + QStringLiteral("%1,%2 %3x%4 in %5x%6")
                          .arg(c->x())
                          .arg(c->y())
                          .arg(c->width())
                          .arg(c->height())
                          .arg(Parent->width())
                          .arg(Parent->height());
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j)
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                found << shown[i]->Name() + QStringLiteral(" / ") + shown[j]->Name() + QStringLiteral(" '")
                        + shown[i]->Caption() + QStringLiteral("' '") + shown[j]->Caption() + QLatin1Char('\'');
    for (TControl* c : shown)
        found << Overlaps(c);
    return found;
}

// Captions wider than their label.
QStringList CutCaptions(const TComponent* Form)
{
    QStringList cut;
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* label = dynamic_cast<TLabel*>(Form->Components(i)); label && label->isVisible())
            if (QFontMetrics(label->Font()->QtFont()).horizontalAdvance(label->Caption()) > label->Width())
                cut << label->Caption();
    // A check box draws its box and a gap before the caption.
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* box = dynamic_cast<TiCheckBox*>(Form->Components(i)); box && box->isVisible())
            if (QFontMetrics(box->Font()->QtFont()).horizontalAdvance(box->Caption()) + 18 > box->Width())
                cut << box->Caption();
    return cut;
}

} // namespace

// Shows each tab of the page control with a click, checks its layout and goes into the tabs on it.
static void CheckTabs(PlotEditorTest& Test, TPageControl* Pages, const std::function<void(TTabSheet*)>& Shown)
{
    for (int i = 0; i < Pages->PageCount(); ++i) {
        TTabSheet* sheet = Pages->Pages(i);
        if (!sheet->TabVisible())
            continue;
        SCOPED_TRACE(sheet->Caption().toStdString());
        const TRect r = Pages->TabRect(sheet);
        PlotEditorTest::ClickAt(Pages, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        ASSERT_EQ(Pages->ActivePage(), sheet);
        EXPECT_EQ(Overlaps(sheet), QStringList());
        EXPECT_EQ(CutCaptions(sheet->Owner()), QStringList());
        if (Shown)
            Shown(sheet);
        for (QObject* child : sheet->children())
            if (auto* nested = dynamic_cast<TPageControl*>(child))
                CheckTabs(Test, nested, nullptr);
    }
}

TEST_F(PlotEditorTest, EveryPageAndTabIsLaidOutCleanly)
{
    ASSERT_NE(OpenEditor(), nullptr);
    const QString folder = PictureFolder();
    CheckTabs(*this, Find<TiComponentEditorPageControl>(QStringLiteral("MainPageControl")), [&](TTabSheet* Page) {
        if (folder.isEmpty())
            return;
        QString file = Page->Caption();
        file.replace(QLatin1Char(' '), QLatin1Char('-'));
        editor->grab().save(folder + QStringLiteral("/plot-editor-") + file.toLower() + QStringLiteral(".png"));
    });
}
