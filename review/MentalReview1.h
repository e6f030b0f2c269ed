#pragma once
// The review set-up: operations, name and level, then the practice window filled with questions.
#include "app/Form.h"

class MentalReview1 : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "MentalReview1";
    MentalReview1();
};
