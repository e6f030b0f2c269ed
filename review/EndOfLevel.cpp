// The end of a review level: the marks report. (Being written.)
#include "review/MentalReview2.h"

void MentalReview2::EndLVL()
{
}
