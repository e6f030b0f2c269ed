// Results files: the bytes a teacher's editor will see, and nothing lost or misplaced on disk.
#include "app/DateTexts.h"
#include "app/ResultsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class ResultsFileTest : public QObject {
    Q_OBJECT
private slots:
    void encoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << QStringLiteral("5  X 4 =") << QByteArray("5  X 4 =");
        QTest::newRow("division sign") << QStringLiteral("28 \u00F7 4 =") << QByteArray("28 \xF7 4 =");
        QTest::newRow("euro and quotes") << QStringLiteral("\u20AC\u201C\u201D") << QByteArray("\x80\x93\x94");
        QTest::newRow("latin-1 letters") << QStringLiteral("Zo\u00EB \u00C9mile") << QByteArray("Zo\xEB \xC9mile");
        QTest::newRow("outside the set") << QStringLiteral("\u4E2D\u6587 \U0001F600") << QByteArray("?? ?");
        QTest::newRow("undefined C1 control") << QStringLiteral("a\u0081b") << QByteArray("a?b");
    }
    void encoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toWindows1252(text), bytes);
    }

    void linesEndWithCrLfIncludingTheLast()
    {
        QCOMPARE(joinCrLf({QStringLiteral("a"), QString(), QStringLiteral("b")}), QByteArray("a\r\n\r\nb\r\n"));
        QCOMPARE(joinCrLf({}), QByteArray());
    }

    void safeName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("safe");
        QTest::newRow("ordinary") << QStringLiteral("Anna") << QStringLiteral("Anna");
        QTest::newRow("trailing blank kept") << QStringLiteral("Anna ") << QStringLiteral("Anna ");
        QTest::newRow("path climbing") << QStringLiteral("../../etc/passwd") << QStringLiteral(".._.._etc_passwd");
        QTest::newRow("windows specials") << QStringLiteral("a\\b:c*d?e\"f<g>h|i") << QStringLiteral("a_b_c_d_e_f_g_h_i");
        QTest::newRow("control characters") << QStringLiteral("a\tb\nc") << QStringLiteral("a_b_c");
    }
    void safeName()
    {
        QFETCH(QString, name);
        QFETCH(QString, safe);
        QCOMPARE(safeNamePart(name, 200), safe);
    }

    void longNamesAreShortenedWithoutSplittingCharacters()
    {
        const QString name = QString(300, QChar(u'\u00E9'));
        const QString safe = safeNamePart(name, 101);
        QVERIFY(safe.toUtf8().size() <= 101);
        QCOMPARE(safe.size(), 50);
        const QString emoji = QStringLiteral("\U0001F600\U0001F600");
        QCOMPARE(safeNamePart(emoji, 5), QStringLiteral("\U0001F600"));
    }

    void writesIntoTheResultsFolderOnly()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("DovuveDedoVedod"));
        const SaveOutcome outcome = writeResultsFile(folder, QStringLiteral("Radezo Ruda Test "),
                                                     QStringLiteral("../x/y"), QStringLiteral(".txt"),
                                                     {QStringLiteral("line")});
        QVERIFY(outcome.saved);
        QCOMPARE(QFileInfo(outcome.path).absolutePath(), QFileInfo(folder).absoluteFilePath());
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Radezo Ruda Test .._x_y.txt")});
    }

    void createsAMissingFolderAndReplacesAnEarlierFile()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("missing/DovuveDedoVedod"));
        QVERIFY(writeResultsFile(folder, QStringLiteral("p "), QStringLiteral("n"), QStringLiteral(".txt"), {QStringLiteral("old")}).saved);
        const SaveOutcome second = writeResultsFile(folder, QStringLiteral("p "), QStringLiteral("n"), QStringLiteral(".txt"), {QStringLiteral("new")});
        QVERIFY(second.saved);
        QFile file(second.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("new\r\n"));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    }

    void aFailedWriteIsReportedAndKeepsTheEarlierFile()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("DovuveDedoVedod"));
        const SaveOutcome first = writeResultsFile(folder, QStringLiteral("p "), QStringLiteral("n"), QStringLiteral(".txt"), {QStringLiteral("old")});
        QVERIFY(first.saved);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        const SaveOutcome second = writeResultsFile(folder, QStringLiteral("p "), QStringLiteral("n"), QStringLiteral(".txt"), {QStringLiteral("new")});
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!second.saved);
        QFile file(first.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old\r\n"));
    }

    void aFolderThatIsAFileFails()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("DovuveDedoVedod"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const SaveOutcome outcome = writeResultsFile(blocker, QStringLiteral("p "), QStringLiteral("n"), QStringLiteral(".txt"), {QStringLiteral("x")});
        QVERIFY(!outcome.saved);
        QVERIFY(!outcome.error.isEmpty());
    }

    void veryLongNameStillSaves()
    {
        QTemporaryDir dir;
        const SaveOutcome outcome = writeResultsFile(dir.path(), QStringLiteral("Radezo Ruda Test "), QString(400, QChar(u'w')),
                                                     QStringLiteral("- Thursday December 10 2026- 03-45 PM.txt"), {QStringLiteral("x")});
        QVERIFY2(outcome.saved, qPrintable(outcome.error));
        QVERIFY(QFileInfo(outcome.path).fileName().endsWith(QStringLiteral("03-45 PM.txt")));
    }

    void timeText_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("five past midnight") << QTime(0, 5) << QStringLiteral("12-05 AM");
        QTest::newRow("quarter to four pm") << QTime(15, 45) << QStringLiteral("03-45 PM");
        QTest::newRow("noon") << QTime(12, 0) << QStringLiteral("12-00 PM");
        QTest::newRow("last minute") << QTime(23, 59, 59) << QStringLiteral("11-59 PM");
        QTest::newRow("morning") << QTime(9, 7) << QStringLiteral("09-07 AM");
    }
    void timeText()
    {
        QFETCH(QTime, time);
        QFETCH(QString, text);
        QCOMPARE(::timeText(time), text);
    }

    void dateTextUsesFullNamesAndNoLeadingZero()
    {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(dateText(QDate(2026, 12, 10), english), QStringLiteral("Thursday December 10 2026"));
        QCOMPARE(dateText(QDate(2027, 3, 1), english), QStringLiteral("Monday March 1 2027"));
    }
};


QTEST_GUILESS_MAIN(ResultsFileTest)
#include "ResultsFile_test.moc"
