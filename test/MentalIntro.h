#pragma once
// The test introduction: the rules page, then the pupil's name, then the test.
#include "app/Form.h"

class QLineEdit;

class MentalIntro : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "MentalIntro";
    MentalIntro();

    QLineEdit* StudentNameTXT;
    void STARTButton_Click();
};
