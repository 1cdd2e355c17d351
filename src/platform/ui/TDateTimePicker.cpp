#include "platform/ui/TDateTimePicker.h"

#include "platform/ui/EventGuard.h"

#include <QDateTimeEdit>

#include <algorithm>

#include <cmath>

namespace vcl {

namespace {

const QDate kEpoch(1899, 12, 30);

// Days are whole toward zero; the time of day always counts forward from the day's midnight.
double WholeDays(TDateTime Value)
{
    return std::trunc(Value);
}

double DayFraction(TDateTime Value)
{
    return std::fabs(Value - std::trunc(Value));
}

TDateTime Compose(double Days, double Fraction)
{
    return Days < 0 ? Days - Fraction : Days + Fraction;
}

} // namespace

QDateTime DateTimeToQDateTime(TDateTime Value)
{
    if (!std::isfinite(Value))
        Value = 0.0;
    const double days = std::clamp(WholeDays(Value), -700000.0, 3000000.0);
    const int msecs = std::clamp(static_cast<int>(std::llround(DayFraction(Value) * MSecsPerDay)), 0, 86399999);
    return QDateTime(kEpoch.addDays(static_cast<qint64>(days)), QTime::fromMSecsSinceStartOfDay(msecs));
}

TDateTime QDateTimeToDateTime(const QDateTime& Value)
{
    const double days = static_cast<double>(kEpoch.daysTo(Value.date()));
    return Compose(days, Value.time().msecsSinceStartOfDay() / MSecsPerDay);
}

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TQtHostControl(AOwner), m_editor(new QDateTimeEdit)
{
    m_editor->setMinimumDate(QDate(100, 1, 1));
    m_editor->setMaximumDate(QDate(9999, 12, 31));
    m_editor->setTimeSpec(Qt::LocalTime);
    Host(m_editor);
    SetBounds(0, 0, 186, 21);
    SetParentColor(false);
    SetColor(clWindow);
    SetKind(TDateTimeKind::dtkDate);
    QObject::connect(m_editor, &QDateTimeEdit::dateTimeChanged, [this](const QDateTime&) {
        if (!m_syncing)
            Guarded([this] { EditorChanged(); }, this);
    });
}

TDateTimePicker::~TDateTimePicker()
{
    BeforeDestruction();
}

void TDateTimePicker::SetKind(TDateTimeKind Value)
{
    m_kind = Value;
    TFlagGuard syncing(m_syncing);
    const bool date = Value == TDateTimeKind::dtkDate;
    m_editor->setDisplayFormat(date ? QStringLiteral("M/d/yyyy") : QStringLiteral("h:mm:ss AP"));
    m_editor->setCalendarPopup(date);
    ShowValue();
}

void TDateTimePicker::SetDateTime(TDateTime Value)
{
    m_dateTime = std::isfinite(Value) ? Value : 0.0;
    ShowValue();
}

TDateTime TDateTimePicker::Date() const
{
    return WholeDays(m_dateTime);
}

TDateTime TDateTimePicker::Time() const
{
    return DayFraction(m_dateTime);
}

void TDateTimePicker::ShowValue()
{
    TFlagGuard syncing(m_syncing);
    m_editor->setDateTime(DateTimeToQDateTime(m_dateTime));
}

void TDateTimePicker::EditorChanged()
{
    const TDateTime shown = QDateTimeToDateTime(m_editor->dateTime());
    // Each kind edits its own part and keeps the other.
    if (m_kind == TDateTimeKind::dtkDate)
        m_dateTime = Compose(WholeDays(shown), DayFraction(m_dateTime));
    else
        m_dateTime = Compose(WholeDays(m_dateTime), DayFraction(shown));
    Change();
}

void TDateTimePicker::Change()
{
    if (OnChange)
        OnChange(this);
}

} // namespace vcl
