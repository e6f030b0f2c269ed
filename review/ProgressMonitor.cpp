// Offers of a harder or an easier level. (Being written.)
#include "review/MentalReview2.h"

void MentalReview2::MonitorProgress()
{
}
