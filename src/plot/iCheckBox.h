#pragma once
// The plot library's own check box: a sunken box with a drawn tick beside its caption, painted by
// the library on the component base, sized to its caption.

#include "plot/iCustomComponent.h"

#include "platform/ui/TFont.h"

#include <memory>

enum class TLeftRight { taLeftJustify, taRightJustify };

class TiCheckBox : public TiCustomComponent
{
public:
    explicit TiCheckBox(vcl::TComponent* AOwner);
    ~TiCheckBox() override;

    bool Checked() const { return FChecked; }
    // A request-edit handler may refuse the change; a refused change keeps the state silently.
    void SetChecked(bool Value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(vcl::TFont* Value) { FFont->Assign(Value); }

    vcl::TNotifyEvent OnChange;
    vcl::TNotifyEvent OnChangeUser;

protected:
    // Fires the property notification, OnChange and, for a user's change, OnChangeUser.
    virtual void DoChange();
    void ToggleByUser();

    void iPaintTo(vcl::TCanvas* Canvas) override;
    void iSetFocus() override;
    void iKillFocus() override;
    void iKeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void iKeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void iMouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void iMouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void Loaded() override;

private:
    void AdjustAutoSize();

    bool FMouseDown { false };
    bool FKeyDown { false };
    bool FDoingAutoSize { false };
    bool FChecked { false };
    QString FCaption { QStringLiteral("Caption") };
    bool FAutoSize { true };
    std::unique_ptr<vcl::TFont> FFont;
    TLeftRight FAlignment { TLeftRight::taRightJustify };
};
