#pragma once
// A date or a time of day in one editor box: the date kind drops a calendar down, the time kind
// steps its fields. The value is one date-time (days from 1899-12-30); a date edit keeps the time
// of day, a time edit keeps the day. OnChange follows the user's edits only.

#include "platform/core/DateTime.h"
#include "platform/ui/TQtHostControl.h"

class QDateTimeEdit;

namespace vcl {

enum class TDateTimeKind { dtkDate, dtkTime };

class TDateTimePicker : public TQtHostControl
{
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;

    TDateTimeKind Kind() const { return m_kind; }
    void SetKind(TDateTimeKind Value);
    TDateTime DateTime() const { return m_dateTime; }
    // Shown as far as the editor's calendar reaches (years 100 .. 9999); fires no OnChange.
    void SetDateTime(TDateTime Value);
    // The whole days and the time of day of DateTime.
    TDateTime Date() const;
    TDateTime Time() const;

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    void ShowValue();
    void EditorChanged();

    QDateTimeEdit* m_editor;
    TDateTimeKind m_kind { TDateTimeKind::dtkDate };
    TDateTime m_dateTime { 0.0 };
};

// The date-time as the editors' calendar value, and back (whole milliseconds).
QDateTime DateTimeToQDateTime(TDateTime Value);
TDateTime QDateTimeToDateTime(const QDateTime& Value);

} // namespace vcl
