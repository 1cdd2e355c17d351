#pragma once
// What the recall and store preset lists share: the numbered list of preset names kept as one 8-bit
// text of fixed-width rows, the row choice that opens the name dialog, and the texts on show.

#include "platform/ui/TForm.h"

#include <string>

class PresetListHost;
namespace rz { class TRzBmpButton; }
class TValueListEditor;
namespace vcl { class TLabel; }

class TPresetListForm : public vcl::TForm
{
public:
    // Bytes of one row with its line end, and where its name starts.
    static constexpr int RowBytes = 27;
    static constexpr int NameOffset = 11;
    static constexpr int NameBytes = 14;

    // Puts the 14-byte name into row n (a shorter or longer name is blank-padded or cut, so the rows
    // keep their layout; a row that does not exist is left alone).
    void SetRowName(int n, const std::string& name);
    // The 14 name bytes of row n (empty when the row does not exist).
    std::string RowName(int n) const;
    // The rows as the device's 8-bit text.
    std::string ListBytes() const;

    void vledPresetNameSelectCell(vcl::TObject* Sender, int ACol, int ARow, bool& CanSelect);
    void bnCancelClick(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);

    vcl::TLabel* lPresetSelect { nullptr };
    TValueListEditor* vledPresetName { nullptr };
    rz::TRzBmpButton* bnCancel { nullptr };

protected:
    // recall: F00 and U01..U30; store: U01..U30.
    TPresetListForm(vcl::TComponent* owner, const QString& name, bool recall);

private:
    QString RowLabel(int r) const;
    bool m_recall;
};

// The model's way into both lists: stored-preset names go to recall row e + 1 and store row e.
PresetListHost& PresetListDialogs();
