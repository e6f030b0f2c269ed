// The end of a review level: the marks report takes over the record and the practice window goes.
#include "review/MentalReview2.h"

#include "app/Forms.h"
#include "review/LVLMarks.h"
#include "review/ReviewResultsFile.h"

#include <QLabel>
#include <QLineEdit>

void MentalReview2::EndLVL()
{
    if (!QList.isEmpty())
        return;

    // A report still open from an earlier level would otherwise be filled again, keeping its old
    // date and time and so saving over that level's file.
    Forms::close<LVLMarks>();
    LVLMarks* marks = Forms::show<LVLMarks>();

    // Every level fills exactly its own rows, whatever its length.
    marks->fillRows(QuestionList, AnswerList, CorrectAns, CorrectList, TimeList,
                    LVLMarks::rowsForTotal(TotalCountLBL->text()));

    marks->MyTime->setText(Time->text());
    marks->StudentNamELBL->setText(QStringLiteral("Student Name: ") + StudentNameTXT->text());
    marks->StudentNameTXT->setText(StudentNameTXT->text());
    marks->TotalLBL->setText(TotalCountLBL->text());
    marks->ScoreLBL->setText(CorrectCountLBL->text());

    const QString yes = QStringLiteral("YES");
    marks->Facts[0]->setText(ReviewResultsFile::operationWord(0, AdditionLBL == yes));
    marks->Facts[1]->setText(ReviewResultsFile::operationWord(1, SubtractionLBL == yes));
    marks->Facts[3]->setText(ReviewResultsFile::operationWord(3, DivisionLBL == yes));
    marks->Facts[2]->setText(ReviewResultsFile::operationWord(2, MultiplicationLBL == yes));

    Forms::close(this);
}
