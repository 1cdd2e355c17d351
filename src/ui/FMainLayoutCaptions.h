#pragma once
// Labels of the main window that take part in the boxes' drawing: a caption that sits on its box's
// frame line, and the title over the band editor's columns.

#include "platform/ui/TLabel.h"

#include <QRect>
#include <QStringList>
#include <vector>

class QWidget;

namespace vcl {
class TWinControl;
}

namespace layout {

// Whether a label at top t and of height h in parent would cross the frame line a group box draws
// through its caption row.
bool CrossesFrameLine(vcl::TWinControl* parent, int t, int h);

// A caption on its box's frame line: the line stops on either side of the text, as it does around a
// group box's own caption.
class FrameCaption : public vcl::TLabel
{
public:
    using vcl::TLabel::TLabel;

protected:
    void Paint() override;
};

// The band editor's column title: its words (parted by runs of blanks) each centred over the column
// of the editor's first band row, in order; as plain text while the editor shows no rows.
class ColumnHeading : public vcl::TLabel
{
public:
    using vcl::TLabel::TLabel;
    void SetColumnsOf(QWidget* editor) { m_editor = editor; }
    // The title's words, and where the columns of the editor's first row lie in this label's coordinates.
    QStringList Words() const;
    std::vector<QRect> Columns() const;

protected:
    void Paint() override;

private:
    QWidget* m_editor { nullptr };
};

} // namespace layout
