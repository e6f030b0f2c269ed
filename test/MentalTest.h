#pragma once
// The 60-second test: fifteen rows pop in, a get-ready countdown, then the clock runs down while
// the pupil answers; Done or the time-out hands everything to the results window.
#include "app/Form.h"
#include "app/Pictures.h"

#include <array>

class QLabel;
class QLineEdit;
class QTimer;

class MentalTest : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "MentalTest";
    MentalTest();

    // Rows 1 … 15 at index 1 … 15.
    std::array<Picture*, 16> QBack{};
    std::array<QLabel*, 16> Q{};
    std::array<QLineEdit*, 16> Ans{};
    std::array<PictureButton*, 16> EraseAnswer{};

    Picture* GetReady;
    Picture* Three;
    Picture* Two;
    Picture* One;
    Picture* StartBanner;
    // The clock, one picture per value it shows: "60" … "1" at index 0 … 59, "00" at 60, "--" at 61.
    std::array<Picture*, 62> TimeTrack{};
    PictureButton* DoneButton;
    PictureButton* EraseAllAnswers;

    QTimer* PopTimer;
    QTimer* ScrollTime;

    // Counters kept as decimal text, as the other windows and the schedule compare them.
    QString Poup = QStringLiteral("200");
    QString ScrollCount = QStringLiteral("65");
    QString CounterSeconds = QStringLiteral("0");
    QString StudentNameTXT;

    // The clock picture that shows `text` ("60" … "1", "00", "--").
    Picture* clockPicture(const QString& text) const;

    void Form_Load() override;
    void AnswerSetup();
    void DefaultProg();
    void PopTimer_Timer();
    void ScrollTime_Timer();
    void DoneButton_Click();
    void EraseAllAnswers_Click();
    void EraseAnswer_Click(int row);
    // Marks the test in a fresh results window and closes this one.
    void Finish();
};
