#pragma once
// A pair of arrow buttons that steps Position between Min and Max and shows it in Associate.

#include "platform/ui/TWinControl.h"

class QToolButton;

namespace vcl {

enum class TUDBtnType { btNext, btPrev };
enum class TUDOrientation { udHorizontal, udVertical };

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TWinControl
{
public:
    explicit TUpDown(TComponent* AOwner);
    ~TUpDown() override;

    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    void SetMax(int value);
    int Position() const { return m_position; }
    // Clamped to Min..Max; writes the associate's text. Raises no event.
    void SetPosition(int value);
    int Increment() const { return m_increment; }
    void SetIncrement(int value) { m_increment = value; }
    bool Wrap() const { return m_wrap; }
    void SetWrap(bool value) { m_wrap = value; }
    bool Thousands() const { return m_thousands; }
    void SetThousands(bool value);
    TUDOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TUDOrientation value);
    TWinControl* Associate() const { return m_associate; }
    void SetAssociate(TWinControl* value);

    // One step as a button press does: OnChanging may refuse it, then OnClick.
    void Step(TUDBtnType button);

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void SizeChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void UpdateAssociate();
    void LayoutButtons();

    QToolButton* m_up;
    QToolButton* m_down;
    int m_min { 0 };
    int m_max { 100 };
    int m_position { 0 };
    int m_increment { 1 };
    bool m_wrap { false };
    bool m_thousands { true };
    TUDOrientation m_orientation { TUDOrientation::udVertical };
    TWinControl* m_associate { nullptr };
};

} // namespace vcl
