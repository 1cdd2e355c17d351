#pragma once
// Static text on the parent's surface; AutoSize fits the bounds to the caption.

#include "platform/ui/TGraphicControl.h"

namespace vcl {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl
{
public:
    explicit TLabel(TComponent* AOwner);
    ~TLabel() override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;

private:
    void AdjustBounds();

    TAlignment m_alignment { TAlignment::taLeftJustify };
    TTextLayout m_layout { TTextLayout::tlTop };
    bool m_autoSize { true };
    bool m_transparent { false };
    bool m_wordWrap { false };
};

} // namespace vcl
