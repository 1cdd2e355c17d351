#include "plot/iPlotTable.h"

#include "plot/iGPCanvas.h"
#include "plot/iPlotDecorationHost.h"
#include "plot/iGPText.h"

#include "platform/core/Exception.h"
#include "platform/ui/TCanvas.h"

using namespace vcl;

void TiPlotTableButton::Draw(TCanvas* Canvas, TColor)
{
    if (!FVisible)
        return;
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(DrawRect());
    iDrawEdge(Canvas, DrawRect(), FMouseDown ? 0 : 1);
}

TiPlotTable::TiPlotTable(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FDataFont(std::make_unique<TFont>()),
      FColumnTitlesFont(std::make_unique<TFont>())
{
    FHorizontal = false;
    FDataFont->SetColor(clWhite);
    FDataFont->SetStyle(TFontStyles { TFontStyle::fsBold });
    FColumnTitlesFont->SetColor(0xFFFF00);
    FColumnTitlesFont->SetStyle(TFontStyles { TFontStyle::fsBold });
    for (TFont* font : { FDataFont.get(), FColumnTitlesFont.get() })
        font->OnChange = [this](TObject*) { DoChange(); };
    FUpButton = MakeButton(true);
    FDownButton = MakeButton(false);
}

TiPlotTable::~TiPlotTable()
{
    for (TFont* font : { FDataFont.get(), FColumnTitlesFont.get() })
        font->OnChange = nullptr;
}

std::unique_ptr<TiPlotTableButton> TiPlotTable::MakeButton(bool Up)
{
    auto button = std::make_unique<TiPlotTableButton>(FOwner, nullptr, nullptr, nullptr, nullptr);
    button->SetName(Up ? QStringLiteral("PlotTableUpButton") : QStringLiteral("PlotTableDownButton"));
    button->SetTimerEnabled(true);
    button->SetVisible(false);
    button->OnClick = [this, Up](TObject*) { Up ? ScrollUp() : ScrollDown(); };
    button->OnInvalidate = [this](TObject*) { InvalidateNow(); };
    return button;
}

void TiPlotTable::AssignFont(TFont* Target, const TFont* Value)
{
    if (Value)
        Target->Assign(const_cast<TFont*>(Value));
}

int TiPlotTable::AddColumn(const QString& Title)
{
    auto column = std::make_unique<TiPlotTableColumn>();
    column->Title = Title;
    column->TitleFontColor = FColumnTitlesFont->Color();
    column->DataFontColor = FDataFont->Color();
    FColumnList.push_back(std::move(column));
    return ColumnCount() - 1;
}

void TiPlotTable::DeleteColumn(int Index)
{
    if (Index < 0 || Index >= ColumnCount())
        ListIndexError(Index);
    FColumnList.erase(FColumnList.begin() + Index);
}

void TiPlotTable::RemoveAllColumns() { FColumnList.clear(); }

TiPlotTableColumn& TiPlotTable::GetColumn(int Index)
{
    if (Index < 0 || Index >= ColumnCount())
        ListIndexError(Index);
    return *FColumnList[static_cast<size_t>(Index)];
}

int TiPlotTable::AddRow()
{
    FRowDataList.emplace_back();
    DoChange();
    return RowCount() - 1;
}

void TiPlotTable::DeleteRow(int Index)
{
    if (Index < 0 || Index >= RowCount())
        ListIndexError(Index);
    FRowDataList.erase(FRowDataList.begin() + Index);
    DoChange();
}

void TiPlotTable::RemoveAllRows()
{
    FRowDataList.clear();
    DoChange();
}

void TiPlotTable::SetCellText(int Row, int Column, const QString& Text)
{
    if (Row < 0 || Row >= RowCount())
        ListIndexError(Row);
    if (Column < 0 || Column >= ColumnCount())
        ListIndexError(Column);
    QStringList cells = iSplitLines(FRowDataList[static_cast<size_t>(Row)]);
    while (cells.size() <= Column)
        cells.append(QString());
    // A cell holds one line: line breaks inside it would shift the cells after it.
    QString cell = Text;
    cell.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (cells[Column] == cell)
        return;
    cells[Column] = cell;
    FRowDataList[static_cast<size_t>(Row)] = cells.join(QStringLiteral("\r\n"));
    DoChange();
}

QString TiPlotTable::CellText(int Row, int Column) const
{
    if (Row < 0 || Row >= RowCount())
        return QString();
    const QStringList cells = iSplitLines(FRowDataList[static_cast<size_t>(Row)]);
    return Column >= 0 && Column < cells.size() ? cells[Column] : QString();
}

void TiPlotTable::ScrollUp()
{
    if (FItemViewStartIndex > 0)
        --FItemViewStartIndex;
    InvalidateNow();
}

void TiPlotTable::ScrollDown()
{
    if (FItemViewStartIndex < RowCount() - 1)
        ++FItemViewStartIndex;
    InvalidateNow();
}

TiPlotObject* TiPlotTable::GetMouseOverObject(int X, int Y)
{
    TiPlotObject* result = TiPlotLayoutObject::GetMouseOverObject(X, Y);
    const TPoint point(X, Y);
    if (FUpButton->Visible() && FUpButton->DrawRect().Contains(point))
        return FUpButton.get();
    if (FDownButton->Visible() && FDownButton->DrawRect().Contains(point))
        return FDownButton.get();
    return result;
}

void TiPlotTable::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (FMouseDown && DrawRect().Contains(TPoint(MouseData.X, MouseData.Y)))
        iplot::ObjectClick(this, MouseData.DblClickActive);
}

void TiPlotTable::NotificationSetFocus(TiPlotObject* AObject)
{
    if (AObject != this && AObject && AObject->UserSelected())
        SetUserSelected(false);
}

void TiPlotTable::AddMenuItems(TPopupMenu* PopupMenu)
{
    TiPlotLayoutObject::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
