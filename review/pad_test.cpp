// The place-value pad: layouts by answer length, composing the answer, the answer field's filter.
#include "app/FormsTesting.h"
#include "app/Forms.h"
#include "app/SoundCue.h"
#include "review/MentalReview2.h"
#include "review/PracticeRules.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
MentalReview2* presenting(const QString& fact)
{
    MentalReview2* window = Forms::show<MentalReview2>();
    window->QList = QStringList{fact, fact};
    window->Target_Click();
    return window;
}

void click(MentalReview2* window, const QString& name)
{
    auto* button = window->findChild<PictureButton*>(name);
    QVERIFY2(button && button->isVisible(), qPrintable(name));
    button->click();
}

// The digit a place shows: "" for its blank tile, "-" for none, "?" when more than one shows.
QString placeShows(MentalReview2* window, Picture* blank, const std::array<Picture*, 10>& tiles)
{
    QString shown = blank->isVisible() ? QString() : QStringLiteral("-");
    int count = blank->isVisible() ? 1 : 0;
    for (int digit = 0; digit <= 9; ++digit) {
        if (tiles[digit]->isVisible()) {
            shown = QString::number(digit);
            ++count;
        }
    }
    Q_UNUSED(window);
    return count > 1 ? QStringLiteral("?") : shown;
}

QStringList places(MentalReview2* w)
{
    return {placeShows(w, w->HundredBlank, w->Hundred), placeShows(w, w->TenBlank, w->Ten),
            placeShows(w, w->OneBlank, w->One)};
}
} // namespace

class PadTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        recorder.cues.clear();
        Sound::setBackend(&recorder);
    }
    void cleanup()
    {
        FormsTesting::closeAll();
        Sound::setBackend(nullptr);
    }

    void layouts_data()
    {
        QTest::addColumn<QString>("fact");
        QTest::addColumn<QString>("rows");  // rows shown, hundreds to ones
        QTest::addColumn<QString>("backs"); // backs shown: H, T, O
        QTest::addColumn<QList<int>>("tileLefts"); // px, hundreds/tens/ones, -1 unused
        QTest::newRow("one digit") << "3  x  2 = 6" << "A" << "O" << QList<int>{-1, -1, 400};
        QTest::newRow("two digits") << "25 - 13 = 12" << "BA" << "TO" << QList<int>{-1, 352, 440};
        QTest::newRow("three digits") << "10 x 10 = 100" << "CBA" << "H" << QList<int>{312, 400, 488};
    }
    void layouts()
    {
        QFETCH(QString, fact);
        QFETCH(QString, rows);
        QFETCH(QString, backs);
        QFETCH(QList<int>, tileLefts);
        MentalReview2* w = presenting(fact);
        const std::pair<QChar, std::array<PictureButton*, 10>*> rowList[] = {
            {QLatin1Char('C'), &w->DigitC}, {QLatin1Char('B'), &w->DigitB}, {QLatin1Char('A'), &w->DigitA}};
        const int rowTop[] = {384, 432, 480};
        for (int r = 0; r < 3; ++r) {
            const bool shown = rows.contains(rowList[r].first);
            for (int digit = 0; digit <= 9; ++digit) {
                PictureButton* button = (*rowList[r].second)[digit];
                QCOMPARE(button->isVisible(), shown);
                if (shown)
                    QCOMPARE(button->mapTo(w, QPoint()), QPoint(256 + 48 * digit, rowTop[r]));
            }
        }
        QCOMPARE(w->HundredBack->isVisible(), backs.contains(QLatin1Char('H')));
        QCOMPARE(w->TenBack->isVisible(), backs.contains(QLatin1Char('T')));
        QCOMPARE(w->OneBack->isVisible(), backs.contains(QLatin1Char('O')));
        const std::pair<Picture*, std::array<Picture*, 10>*> placeList[] = {
            {w->HundredBlank, &w->Hundred}, {w->TenBlank, &w->Ten}, {w->OneBlank, &w->One}};
        for (int p = 0; p < 3; ++p) {
            QCOMPARE(placeList[p].first->isVisible(), tileLefts[p] >= 0);
            if (tileLefts[p] < 0)
                continue;
            QCOMPARE(placeList[p].first->mapTo(w, QPoint()), QPoint(tileLefts[p], 283));
            for (Picture* tile : *placeList[p].second)
                QCOMPARE(tile->mapTo(w, QPoint()), QPoint(tileLefts[p], 283));
        }
    }

    void composing_data()
    {
        QTest::addColumn<QString>("fact");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("composed");
        QTest::newRow("one digit") << "3  x  2 = 6" << QStringList{"SixA"} << "6";
        QTest::newRow("ones left blank") << "8  x  5 = 40" << QStringList{"FourB"} << "40";
        QTest::newRow("three places") << "100 ÷ 5 = 105" << QStringList{"OneC", "ZeroB", "FiveA"} << "105";
        QTest::newRow("hundreds nought adds nothing") << "9  x 45 = 405" << QStringList{"ZeroC", "FourB", "FiveA"}
                                                      << "45";
        QTest::newRow("a lone ones nought") << "3  -  3 = 0" << QStringList{"ZeroA"} << "0";
        QTest::newRow("a lone hundreds nought") << "10 x 10 = 100" << QStringList{"ZeroC"} << "";
        QTest::newRow("the last digit in a row wins") << "3  x  2 = 6" << QStringList{"ThreeA", "SevenA"} << "7";
        QTest::newRow("tens nought and ones") << "2  x  4 = 18" << QStringList{"ZeroB", "EightA"} << "8";
        QTest::newRow("nothing chosen") << "9  x  9 = 81" << QStringList{} << "";
        QTest::newRow("largest") << "333 x  3 = 999" << QStringList{"NineC", "NineB", "NineA"} << "999";
    }
    void composing()
    {
        QFETCH(QString, fact);
        QFETCH(QStringList, clicks);
        QFETCH(QString, composed);
        MentalReview2* w = presenting(fact);
        for (const QString& name : clicks)
            click(w, name);
        QVERIFY(w->AnsTXT->text().isEmpty()); // digits only change the tiles
        w->TranslateAns();
        QCOMPARE(w->AnsTXT->text(), composed);
        QCOMPARE(recorder.cues, QStringList{"\\OPEN.WAV"});
    }

    void digitsReplaceOnlyTheirOwnPlace()
    {
        MentalReview2* w = presenting(QStringLiteral("10 x 10 = 100"));
        QCOMPARE(places(w), (QStringList{"", "", ""}));
        click(w, QStringLiteral("TwoB"));
        QCOMPARE(places(w), (QStringList{"", "2", ""}));
        click(w, QStringLiteral("FiveC"));
        click(w, QStringLiteral("NineB"));
        click(w, QStringLiteral("NineB"));
        QCOMPARE(places(w), (QStringList{"5", "9", ""}));
    }

    void eraseAnswerBlanksEveryUsedPlace()
    {
        MentalReview2* w = presenting(QStringLiteral("25 - 13 = 12"));
        click(w, QStringLiteral("OneB"));
        click(w, QStringLiteral("TwoA"));
        w->EraseAns->click();
        QCOMPARE(places(w), (QStringList{"-", "", ""}));
        QVERIFY(w->AnsTXT->text().isEmpty());
        QVERIFY(w->DigitB[0]->isVisible() && w->DigitA[0]->isVisible());
        w->CheckAns_Click();
        QCOMPARE(w->AnswerList, QStringList{"No Answer"});
    }

    void nothingStaysAfterTheQuestion_data()
    {
        QTest::addColumn<bool>("check");
        QTest::newRow("after Check Answer") << true;
        QTest::newRow("after Go Back") << false;
    }
    void nothingStaysAfterTheQuestion()
    {
        QFETCH(bool, check);
        MentalReview2* w = presenting(QStringLiteral("60 + 40 = 100"));
        click(w, QStringLiteral("OneC"));
        check ? w->CheckAns_Click() : w->GoBackButton_Click();
        QCOMPARE(places(w), (QStringList{"-", "-", "-"}));
        QCOMPARE(w->Hundred[1]->mapTo(w, QPoint()).x(), 912);
        QCOMPARE(w->OneBlank->mapTo(w, QPoint()).x(), 912);
        for (auto* row : {&w->DigitA, &w->DigitB, &w->DigitC}) {
            for (PictureButton* button : *row)
                QVERIFY(!button->isVisible());
        }
        QVERIFY(!w->HundredBack->isVisible() && !w->TenBack->isVisible() && !w->OneBack->isVisible());
    }

    void answerFieldFilter_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("kept");
        QTest::newRow("empty") << "" << "";
        QTest::newRow("one digit") << "5" << "5";
        QTest::newRow("leading noughts") << "007" << "007";
        QTest::newRow("letter at the end") << "12a" << "";
        QTest::newRow("four digits") << "1234" << "";
        QTest::newRow("the blank answer words") << "No Answer" << "";
        QTest::newRow("a blank") << " 5" << "";
        QTest::newRow("a sign") << "-1" << "";
        QTest::newRow("a digit from another script") << "\u0663" << "";
    }
    void answerFieldFilter()
    {
        QFETCH(QString, written);
        QFETCH(QString, kept);
        QCOMPARE(practice::filterAnswerField(written), kept);
        MentalReview2* w = Forms::show<MentalReview2>();
        w->AnsTXT->setText(written);
        QCOMPARE(w->AnsTXT->text(), kept);
    }

private:
    RecordingSoundBackend recorder;
};

QTEST_MAIN(PadTest)
#include "pad_test.moc"
