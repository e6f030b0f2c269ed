#pragma once
// The practice window. (Being written.)
#include "app/Form.h"

class MentalReview2 : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "MentalReview2";
    MentalReview2();
    void EndLVL();
    void MonitorProgress();
};
