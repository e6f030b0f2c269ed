#pragma once
// The date and time texts that results windows show and put into file names.
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// "Thursday December 10 2026": full weekday, full month, day without leading zero, four-digit year.
QString dateText(const QDate& date, const QLocale& locale = QLocale::system());
// "03-45 PM": two-digit 12-hour hour, hyphen (it becomes part of a file name), minutes, AM or PM.
QString timeText(const QTime& time);
