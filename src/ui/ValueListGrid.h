#pragma once
// The key/value list grid of the preset dialogs: a title row and one row per "key=value" line, with
// the list's whole text readable and writable and a cell-selection event. Only what those dialogs use.

#include "platform/ui/TQtHostControl.h"

#include <QStringList>

#include <functional>

class QTableWidget;

class TValueListEditor : public vcl::TQtHostControl
{
public:
    // ACol, ARow as the grid counts them: row 0 is the title row.
    using TSelectCellEvent = std::function<void(vcl::TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

    explicit TValueListEditor(vcl::TComponent* AOwner);
    ~TValueListEditor() override;

    // The rows as one text, each "key=value" followed by CR LF.
    QString Text() const;
    // One row per line (CR LF, LF or CR ends a line); the selection stays where the row still exists.
    void SetText(const QString& text);
    int RowCount() const { return static_cast<int>(m_lines.size()) + 1; }
    QString Key(int row) const;   // data row, 0-based
    QString Value(int row) const; // data row, 0-based

    void SetTitleCaptions(const QString& keyTitle, const QString& valueTitle);
    QStringList TitleCaptions() const;
    void SetColWidth(int col, int width);
    int ColWidth(int col) const;

    // The selected cell as the grid counts it (ARow 0 is the title row); 0, 0 when none.
    int Col() const;
    int Row() const;
    // Selects a cell as a click or the arrow keys would, raising OnSelectCell when it changes.
    void SelectCell(int ACol, int ARow);

    TSelectCellEvent OnSelectCell;

private:
    void Rebuild();
    void CurrentChanged(int row, int col, int oldRow, int oldCol);

    QTableWidget* m_grid;
    QStringList m_lines;
};
