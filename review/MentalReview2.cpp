#include "review/MentalReview2.h"

MentalReview2::MentalReview2()
    : Form(Kind, QStringLiteral("Begin Radezo Ruda Review"), {899, 536}, QStringLiteral("review/practice_background"))
{
}
