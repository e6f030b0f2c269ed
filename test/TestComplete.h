#pragma once
// The results window of the timed test: every answer beside the right one, the score, the time
// taken, the date; it prints and saves the results for the teacher.
#include "app/Form.h"
#include "app/Pictures.h"
#include "test/TestResults.h"

#include <array>

class QLabel;

class TestComplete : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "TestComplete";
    TestComplete();

    QLabel* StudentNamELBL;
    QLabel* TimeLBL;
    QLabel* MyTime;
    QLabel* Label1;
    QLabel* DateLBL;
    QLabel* NumberCorrect;
    QLabel* ScoreLBL;
    QLabel* Label3;
    QLabel* TotalLBL;
    QLabel* Label4;
    QLabel* YourAns;
    QLabel* Label5;
    QLabel* Label6;
    // Rows 1 … 15 at index 1 … 15.
    std::array<QLabel*, 16> Q{};
    std::array<QLabel*, 16> Ans{};
    std::array<QLabel*, 16> Cans{};
    std::array<QLabel*, 16> Correct{};

    PictureButton* SaveResults;
    PictureButton* PrintResults;
    PictureButton* ExitButton;
    // Never shown: what the results file is named and headed with.
    QString StudentNameTXT;
    QString Date2LBL;
    QString TimeLBL2 = QStringLiteral("Time");

    void Form_Load() override;
    void SeeCorrect();
    void SaveResults_Click();
    void PrintResults_Click();
    void ExitButton_Click();

    // What the window holds, as the results file needs it.
    TimedTest::Results results() const;

    // Client widths in pixels: the whole window, and the part that goes on paper.
    static int fullWidth();
    static int printWidth();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QString& caption, int left, int top, int width);
};
