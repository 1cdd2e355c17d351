// Every page of the property editor laid out without overlapping controls or cut captions; with
// ZQ9_ARTIFACT_DIR (or ZQ9_SCREENSHOT_DIR) set, a picture of each page is kept there.

#include "PlotEditorTestSupport.h"

#include "platform/ui/TFont.h"
#include "platform/ui/TLabel.h"

#include <QFontMetrics>

using namespace vcl;
using ptest::PlotEditorTest;

namespace {

QString PictureFolder()
{
    for (const char* name : { "ZQ9_ARTIFACT_DIR", "ZQ9_SCREENSHOT_DIR" })
        if (const QByteArray dir = qgetenv(name); !dir.isEmpty())
            return QString::fromLocal8Bit(dir);
    return QString();
}

// The visible controls placed side by side on one parent that cover each other.
QStringList Overlaps(QWidget* Parent)
{
    QStringList found;
    std::vector<TControl*> shown;
    for (QObject* child : Parent->children())
        if (auto* c = dynamic_cast<TControl*>(child); c && c->isVisible())
            shown.push_back(c);
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
    return cut;
}

} // namespace

TEST_F(PlotEditorTest, EveryPageIsLaidOutCleanly)
{
    ASSERT_NE(OpenEditor(), nullptr);
    auto* main = Find<TiComponentEditorPageControl>(QStringLiteral("MainPageControl"));
    const QString folder = PictureFolder();
    for (int i = 0; i < main->PageCount(); ++i) {
        TTabSheet* page = main->Pages(i);
        SCOPED_TRACE(page->Caption().toStdString());
        ShowTab(QStringLiteral("MainPageControl"), page->Caption());
        EXPECT_EQ(Overlaps(page), QStringList());
        if (!folder.isEmpty()) {
            QString file = page->Caption();
            file.replace(QLatin1Char(' '), QLatin1Char('-'));
            editor->grab().save(folder + QStringLiteral("/plot-editor-") + file.toLower() + QStringLiteral(".png"));
        }
    }
    EXPECT_EQ(CutCaptions(editor), QStringList());
}
