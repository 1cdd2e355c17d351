#pragma once
// A container with bevels and a centred caption.

#include "platform/ui/TCustomControl.h"
#include "platform/ui/TLabel.h"

namespace vcl {

enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl
{
public:
    explicit TPanel(TComponent* AOwner);
    ~TPanel() override;

    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel value);
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel value);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;

private:
    int FrameWidth() const;

    TPanelBevel m_bevelOuter { TPanelBevel::bvRaised };
    TPanelBevel m_bevelInner { TPanelBevel::bvNone };
    int m_bevelWidth { 1 };
    int m_borderWidth { 0 };
    TAlignment m_alignment { TAlignment::taCenter };
};

} // namespace vcl
