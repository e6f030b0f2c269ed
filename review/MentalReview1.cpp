#include "review/MentalReview1.h"

MentalReview1::MentalReview1()
    : Form(Kind, QStringLiteral("Welcome To Radezo Ruda Review"), {901, 539}, QStringLiteral("review/setup_background"))
{
}
