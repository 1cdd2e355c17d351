#pragma once
// The plot library's own radio group: a captioned etched frame with round buttons laid out in
// columns (columns fill first), painted by the library on the component base.

#include "plot/iCustomComponent.h"

#include "platform/core/TStringList.h"
#include "platform/ui/TFont.h"

#include <memory>

class TiRadioGroup : public TiCustomComponent
{
public:
    explicit TiRadioGroup(vcl::TComponent* AOwner);
    ~TiRadioGroup() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(vcl::TFont* Value) { FFont->Assign(Value); }
    vcl::TStrings* Items() const { return FItems.get(); }
    void SetItems(vcl::TStrings* Value) { FItems->Assign(Value); }
    int ItemIndex() const { return FItemIndex; }
    // Limited to -1 .. Count - 1.
    void SetItemIndex(int Value);
    int Columns() const { return FColumns; }
    // Values below 1 are ignored.
    void SetColumns(int Value);

    // The item under a point, by the layout of the last paint.
    int IndexAtPoint(int X, int Y) const;

    vcl::TNotifyEvent OnChange;
    vcl::TNotifyEvent OnChangeUser;

protected:
    virtual void DoChange();

    void iPaintTo(vcl::TCanvas* Canvas) override;
    void iSetFocus() override;
    void iKillFocus() override;
    void iWantSpecialKey(vcl::WORD& CharCode, vcl::LRESULT& Result) override;
    void iKeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void iKeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void iMouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void iMouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void iMouseMove(vcl::TShiftState Shift, int X, int Y) override;
    // Each key reaches iKeyDown / iKeyUp once.
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;

private:
    void ClampItemIndex();
    void UpdateLayout(vcl::TCanvas* Canvas);
    void DrawItem(vcl::TCanvas* Canvas, int Index, int D, int B, int th);

    bool FMouseDown { false };
    int FMouseDownIndex { 0 };
    bool FKeyDown { false };
    int FItemsRowStart { 0 };
    double FItemsRowSpacing { 1.0 };
    int FItemsColStart { 14 };
    double FItemsColSpacing { 1.0 };
    int FMaxRows { 1 };
    QString FCaption { QStringLiteral("Radio Group") };
    std::unique_ptr<vcl::TFont> FFont;
    std::unique_ptr<vcl::TStringList> FItems;
    int FItemIndex { -1 };
    int FColumns { 1 };
};
