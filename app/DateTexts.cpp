#include "app/DateTexts.h"

QString dateText(const QDate& date, const QLocale& locale)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(locale.dayName(date.dayOfWeek(), QLocale::LongFormat),
             locale.monthName(date.month(), QLocale::LongFormat))
        .arg(date.day())
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString timeText(const QTime& time)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1-%2 %3")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QLatin1String("AM") : QLatin1String("PM"));
}
