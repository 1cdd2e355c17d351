#include "ui/FMainLayoutCaptions.h"

#include "platform/ui/TCanvas.h"
#include "platform/ui/TextMetrics.h"
#include "widgets/RzPanel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace layout {

bool CrossesFrameLine(vcl::TWinControl* parent, int t, int h)
{
    auto* box = dynamic_cast<rz::TRzGroupBox*>(parent);
    if (!box)
        return false;
    // The frame's top runs two pixels deep from half the caption font's height, less one.
    const int line = vcl::TextMetrics().TextExtent(*box->Font(), QStringLiteral("Pp")).cy / 2 - 1;
    return t <= line + 1 && t + h > line;
}

void FrameCaption::Paint()
{
    if (QPainter* p = Canvas()->Painter(); p && Parent()) {
        const QFontMetrics fm(Font()->QtFont());
        const int width = std::min(Width(), fm.horizontalAdvance(Caption()) + 6);
        const int left = Alignment() == vcl::TAlignment::taLeftJustify    ? 0
                         : Alignment() == vcl::TAlignment::taRightJustify ? Width() - width
                                                                          : (Width() - width) / 2;
        if (!Caption().isEmpty())
            p->fillRect(QRect(left, 0, width, Height()), vcl::ToQColor(Parent()->Color()));
    }
    vcl::TLabel::Paint();
}

QStringList ColumnHeading::Words() const
{
    static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
    return Caption().trimmed().split(gap, Qt::SkipEmptyParts);
}

std::vector<QRect> ColumnHeading::Columns() const
{
    std::vector<QRect> spans;
    if (!m_editor || !m_editor->isVisible())
        return spans;
    // The first row: the controls whose top is the least of those that stand in a row of four or more.
    std::map<int, std::vector<QRect>> rows;
    for (QObject* o : m_editor->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->isVisibleTo(m_editor) || w->height() < 8)
            continue;
        const QRect r(w->mapTo(window(), QPoint(0, 0)) - mapTo(window(), QPoint(0, 0)), w->size());
        auto near = std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return std::abs(row.first - r.top()) <= 3; });
        rows[near == rows.end() ? r.top() : near->first].push_back(r);
    }
    for (auto& [top, row] : rows) {
        if (row.size() < 4)
            continue;
        std::sort(row.begin(), row.end(), [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
        for (const QRect& r : row) {
            if (!spans.empty() && r.left() <= spans.back().right())
                spans.back() = spans.back().united(r);
            else
                spans.push_back(r);
        }
        break;
    }
    return spans;
}

void ColumnHeading::Paint()
{
    const QStringList words = Words();
    const std::vector<QRect> columns = Columns();
    QPainter* p = Canvas()->Painter();
    if (!p || columns.size() != static_cast<std::size_t>(words.size())) {
        vcl::TLabel::Paint();
        return;
    }
    p->setFont(Font()->QtFont());
    p->setPen(vcl::ToQColor(Enabled() ? Font()->Color() : vcl::clGrayText));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const QRect over(columns[i].left() - 20, 0, columns[i].width() + 40, Height());
        p->drawText(over, Qt::AlignHCenter | Qt::AlignTop, words[static_cast<qsizetype>(i)]);
    }
}

} // namespace layout
