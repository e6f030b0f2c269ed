// Offers of a harder or an easier level at the twentieth right or wrong answer.
#include "review/MentalReview2.h"

#include "app/Forms.h"
#include "review/LVLEasier.h"
#include "review/LVLHarder.h"

#include <QLabel>

void MentalReview2::MonitorProgress()
{
    // The level's last answer has already ended the level: the report is open and this window is
    // closed, so there is nothing left to offer a change of.
    if (!Forms::isOpen(this))
        return;

    // A single operation whose bank holds 39 facts gives a level of 38; it gets the same offers.
    const QString total = TotalCountLBL2->text();
    const bool fullLevel = total == QLatin1String("38") || total == QLatin1String("39") || total == QLatin1String("40");
    const int level = currentLevel();
    if (!fullLevel || level < 1 || level > 4)
        return;

    // Only the answer that brings its own count to 20 makes an offer. A count left standing at 20
    // (the pupil stayed, then answered the other way) must not bring the same offer again.
    const QString twenty = QStringLiteral("20");
    const QString verdict = CorrectList.isEmpty() ? QString() : CorrectList.last();
    if (verdict == QLatin1String("Incorrect") && IncorrectCountLBL->text() == twenty)
        Forms::show<LVLEasier>()->copyFlags(AdditionLBL, SubtractionLBL, DivisionLBL, MultiplicationLBL);
    if (verdict == QLatin1String("Correct") && CorrectCountLBL->text() == twenty)
        Forms::show<LVLHarder>()->copyFlags(AdditionLBL, SubtractionLBL, DivisionLBL, MultiplicationLBL);
}
