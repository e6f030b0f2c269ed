#pragma once
// The marks report at the end of a review level: every question asked with the pupil's answer,
// the right answer, the verdict and the seconds, the score and the time; it prints and saves.
#include "app/Form.h"
#include "app/Pictures.h"
#include "review/ReviewResultsFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <array>

class LVLMarks : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "LVLMarks";
    static constexpr int Rows = 40;
    static constexpr int WidthTwips = 14595;
    // Printing narrows the window to this, leaving the button column off the page.
    static constexpr int PrintWidthTwips = 12570;
    static constexpr int HeightTwips = 8160;

    LVLMarks();

    QLabel* StudentNamELBL;
    QLabel* DateLBL;
    std::array<QLabel*, 3> Label1{}; // 0 "Seconds", 1 "Time To Complete:", 2 "Number Correct:"
    QLabel* MyTime;
    QLabel* ScoreLBL;
    QLabel* Label3;
    QLabel* TotalLBL;

    // Column headings of the left block, then of the right block.
    std::array<QLabel*, 2> TitleLBL{};
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label2;
    QLabel* Label29;
    QLabel* Label30;
    QLabel* Label31;
    QLabel* Label32;
    QLabel* Label7;

    // Rows 1 … 40 (index 0 unused).
    std::array<QLabel*, Rows + 1> Q{};
    std::array<QLabel*, Rows + 1> Ans{};
    std::array<QLabel*, Rows + 1> Cans{};
    std::array<QLabel*, Rows + 1> Correct{};
    std::array<QLabel*, Rows + 1> Time{};

    PictureButton* SaveResults;
    PictureButton* PrintResults;
    PictureButton* ExitButton;

    // Kept for the results file, never shown.
    std::array<QLabel*, 4> Facts{};
    QLabel* Date2LBL;
    QLabel* TimeLBL2;
    QLineEdit* StudentNameTXT;

    void Form_Load() override;
    void SaveResults_Click();
    void SaveResults39();
    void SaveResults40();
    void PrintResults_Click();
    void ExitButton_Click();

    // Writes the first `count` entries of the five record lists into rows 1 … count and hides
    // every later row, so a short level never shows or saves rows it did not have.
    void fillRows(const QStringList& questions, const QStringList& answers, const QStringList& rightAnswers,
                  const QStringList& verdicts, const QStringList& seconds, int count);
    // Shows rows 1 … count and hides the rest.
    void showRows(int count);
    // How many rows a level of this many questions (the TotalLBL text) fills: 1 … 40, or 0 when
    // the text names no level.
    static int rowsForTotal(const QString& total);

    // What the results file is made of, read from the labels as they stand.
    ReviewResultsFile::Record record() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QString& text, int left, int top, int width, int height);
    void saveLayout();
};
