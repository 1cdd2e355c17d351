#include "ui/ValueListGrid.h"

#include "platform/ui/EventGuard.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTableWidget>

namespace {

// The grid marks the spans in which a mouse press or a key press is handled, so a current cell
// that Qt sets by itself (the grid taking the focus, rows rebuilt) is told apart from a user's pick.
class UserPickGrid : public QTableWidget
{
public:
    bool Picking { false };

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        vcl::TFlagGuard pick(Picking);
        QTableWidget::mousePressEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        vcl::TFlagGuard pick(Picking);
        QTableWidget::keyPressEvent(event);
    }
};

} // namespace

TValueListEditor::TValueListEditor(vcl::TComponent* AOwner) : vcl::TQtHostControl(AOwner), m_grid(new UserPickGrid)
{
    Host(m_grid);
    SetBounds(0, 0, 306, 300);
    m_grid->setColumnCount(2);
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(18);
    QObject::connect(m_grid, &QTableWidget::currentCellChanged, [this](int row, int col, int oldRow, int oldCol) {
        if (!m_syncing && static_cast<UserPickGrid*>(m_grid)->Picking)
            vcl::Guarded([&] { CurrentChanged(row, col, oldRow, oldCol); }, this);
    });
}

TValueListEditor::~TValueListEditor()
{
    BeforeDestruction();
}

QString TValueListEditor::Text() const
{
    QString text;
    for (const QString& line : m_lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

void TValueListEditor::SetText(const QString& text)
{
    m_lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
    Rebuild();
}

QString TValueListEditor::Key(int row) const
{
    if (row < 0 || row >= m_lines.size())
        return {};
    const qsizetype eq = m_lines[row].indexOf(QLatin1Char('='));
    return eq < 0 ? m_lines[row] : m_lines[row].left(eq);
}

QString TValueListEditor::Value(int row) const
{
    if (row < 0 || row >= m_lines.size())
        return {};
    const qsizetype eq = m_lines[row].indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : m_lines[row].mid(eq + 1);
}

void TValueListEditor::SetTitleCaptions(const QString& keyTitle, const QString& valueTitle)
{
    m_grid->setHorizontalHeaderLabels({ keyTitle, valueTitle });
}

QStringList TValueListEditor::TitleCaptions() const
{
    QStringList titles;
    for (int c = 0; c < 2; ++c) {
        const QTableWidgetItem* item = m_grid->horizontalHeaderItem(c);
        titles << (item ? item->text() : QString());
    }
    return titles;
}

void TValueListEditor::SetColWidth(int col, int width)
{
    m_grid->setColumnWidth(col, width);
}

int TValueListEditor::ColWidth(int col) const
{
    return m_grid->columnWidth(col);
}

int TValueListEditor::Col() const
{
    return std::max(0, m_grid->currentColumn());
}

int TValueListEditor::Row() const
{
    return m_grid->currentRow() + 1;
}

void TValueListEditor::SelectCell(int ACol, int ARow)
{
    if (ARow < 1 || ARow > m_lines.size() || ACol < 0 || ACol > 1)
        return;
    vcl::TFlagGuard pick(static_cast<UserPickGrid*>(m_grid)->Picking);
    m_grid->setCurrentCell(ARow - 1, ACol);
}

void TValueListEditor::Rebuild()
{
    vcl::TFlagGuard sync(m_syncing);
    const int row = m_grid->currentRow();
    const int col = m_grid->currentColumn();
    m_grid->setRowCount(static_cast<int>(m_lines.size()));
    for (int r = 0; r < m_lines.size(); ++r) {
        for (int c = 0; c < 2; ++c) {
            const QString text = c == 0 ? Key(r) : Value(r);
            if (QTableWidgetItem* item = m_grid->item(r, c))
                item->setText(text);
            else
                m_grid->setItem(r, c, new QTableWidgetItem(text));
        }
    }
    if (row >= 0 && row < m_lines.size())
        m_grid->setCurrentCell(row, std::max(col, 0));
}

void TValueListEditor::CurrentChanged(int row, int col, int oldRow, int oldCol)
{
    (void)oldRow;
    (void)oldCol;
    if (row < 0 || !OnSelectCell)
        return;
    bool canSelect = true;
    OnSelectCell(this, col, row + 1, canSelect);
}
