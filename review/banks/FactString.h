#pragma once

#include <QString>

namespace banks {

struct FactParts
{
    QString question; // shown to the pupil as is, blanks before the "=" included
    QString answer;   // compared as text with the pupil's answer
};

// Splits a fact string such as "7  -  5  = 2" at its first "=": the question keeps every
// blank ("7  -  5  "), the answer loses the blanks around it ("2"). A text without "="
// is all question and has an empty answer.
FactParts readFact(const QString &fact);

} // namespace banks
