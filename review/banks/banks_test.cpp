#include "FactString.h"
#include "QuestionBanks.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

#include <climits>

using namespace Qt::StringLiterals;
using banks::Operation;

Q_DECLARE_METATYPE(banks::Operation)

namespace {

const QChar kDivide(0x00F7);

const Operation kOperations[] = {Operation::Addition, Operation::Subtraction,
                                 Operation::Multiplication, Operation::Division};

QChar symbolOf(Operation op)
{
    switch (op) {
    case Operation::Addition:
        return u'+';
    case Operation::Subtraction:
        return u'-';
    case Operation::Multiplication:
        return u'x';
    case Operation::Division:
        return kDivide;
    }
    return QChar();
}

const char *nameOf(Operation op)
{
    switch (op) {
    case Operation::Addition:
        return "addition";
    case Operation::Subtraction:
        return "subtraction";
    case Operation::Multiplication:
        return "multiplication";
    case Operation::Division:
        return "division";
    }
    return "?";
}

struct Fact
{
    int left = -1;
    QChar op;
    int right = -1;
    int answer = -1;
    QString answerText;
};

// Reads a fact independently of readFact(), so a fault in one cannot hide a fault in the
// other. Numbers must be plain decimal without sign or leading zero.
bool parseFact(const QString &item, Fact &fact, QString &why)
{
    static const QRegularExpression pattern(
        u"^(\\d+) +([-+x\u00F7]) +(\\d+) += +(\\d+)$"_s);
    const QRegularExpressionMatch m = pattern.match(item);
    if (!m.hasMatch()) {
        why = u"not of the form <number> <op> <number> = <number>"_s;
        return false;
    }
    for (int group : {1, 3, 4}) {
        const QString digits = m.captured(group);
        if (digits.size() > 1 && digits.startsWith(u'0')) {
            why = u"leading zero in "_s + digits;
            return false;
        }
    }
    fact.left = m.captured(1).toInt();
    fact.op = m.captured(2).at(0);
    fact.right = m.captured(3).toInt();
    fact.answerText = m.captured(4);
    fact.answer = fact.answerText.toInt();
    return true;
}

// The exact result, or -1 when the operation has none in whole numbers.
int compute(int left, QChar op, int right)
{
    if (op == u'+')
        return left + right;
    if (op == u'-')
        return left >= right ? left - right : -1;
    if (op == u'x')
        return left * right;
    if (op == kDivide)
        return right != 0 && left % right == 0 ? left / right : -1;
    return -1;
}

struct Repeat
{
    Operation op;
    int level;
    QString item;
    int times;
};

// The only items that occur more than once in a bank.
const QList<Repeat> &knownRepeats()
{
    static const QList<Repeat> repeats = {
        {Operation::Subtraction, 1, u"10  -  8 = 2"_s, 2},
        {Operation::Division, 1, u"26 \u00F7 13 = 2"_s, 2},
        {Operation::Division, 2, u"110 \u00F7 11 = 10"_s, 2},
        {Operation::Division, 2, u"121 \u00F7 11 = 11"_s, 2},
        {Operation::Division, 2, u"144 \u00F7 12 = 12"_s, 2},
        {Operation::Division, 2, u"140 \u00F7 10 = 14"_s, 2},
        {Operation::Division, 2, u"120 \u00F7 10 = 12"_s, 2},
    };
    return repeats;
}

} // namespace

class BanksTest : public QObject
{
    Q_OBJECT

private slots:
    void everyItemIsATrueFact_data();
    void everyItemIsATrueFact();
    void bankSizes_data();
    void bankSizes();
    void answersStayInTheirBands_data();
    void answersStayInTheirBands();
    void firstLevelSubtractionStaysWithinTen();
    void onlyTheKnownItemsRepeat();
    void irregularSpacingIsKept_data();
    void irregularSpacingIsKept();
    void allFactsItemsComeFromTheirLevelsBanks();
    void loadBankAppendsWithoutClearing_data();
    void loadBankAppendsWithoutClearing();
    void loadAllFactsAppendsMultiDivSubAdd();
    void levelsOutsideOneToFiveAreEmpty_data();
    void levelsOutsideOneToFiveAreEmpty();
    void readFact_data();
    void readFact();
};

void BanksTest::everyItemIsATrueFact_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QChar>("symbol");

    for (int level = 1; level <= 5; ++level) {
        for (Operation op : kOperations)
            QTest::addRow("level %d %s", level, nameOf(op)) << banks::bank(op, level) << symbolOf(op);
        const banks::AllFactsBank &all = banks::allFactsBank(level);
        QTest::addRow("level %d all facts, multiplication", level) << all.multi << QChar(u'x');
        QTest::addRow("level %d all facts, division", level) << all.div << kDivide;
        QTest::addRow("level %d all facts, subtraction", level) << all.sub << QChar(u'-');
        QTest::addRow("level %d all facts, addition", level) << all.add << QChar(u'+');
    }
}

void BanksTest::everyItemIsATrueFact()
{
    QFETCH(QStringList, items);
    QFETCH(QChar, symbol);

    QVERIFY(!items.isEmpty());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString &item = items.at(i);
        const QByteArray where = "item " + QByteArray::number(i + 1) + " \"" + item.toUtf8() + '"';

        QVERIFY2(item.count(u'=') == 1, where + ": needs exactly one '='");
        QVERIFY2(!item.startsWith(u' ') && !item.endsWith(u' '), where + ": blank at an end");

        Fact fact;
        QString why;
        QVERIFY2(parseFact(item, fact, why), where + ": " + why.toUtf8());
        QVERIFY2(fact.op == symbol, where + ": wrong operator for this bank");
        QVERIFY2(fact.left <= 420 && fact.right <= 420, where + ": operand above 420");
        QVERIFY2(fact.answer <= 400, where + ": answer above 400");
        QVERIFY2(compute(fact.left, fact.op, fact.right) == fact.answer, where + ": not true");

        // The practice reads every item this way; the pupil must see a question that ends
        // in a blank and be marked against the digits only.
        const banks::FactParts parts = banks::readFact(item);
        QVERIFY2(parts.answer == fact.answerText, where + ": read answer differs");
        QVERIFY2(parts.question.endsWith(u' '), where + ": question does not end in a blank");
        QVERIFY2(parts.question + u'=' == item.left(item.indexOf(u'=') + 1), where);
    }
}

void BanksTest::bankSizes_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("size");

    for (int level = 1; level <= 5; ++level) {
        for (Operation op : kOperations) {
            const bool short39 = (op == Operation::Subtraction && (level == 1 || level == 4))
                || (op == Operation::Division && level == 2);
            QTest::addRow("level %d %s", level, nameOf(op)) << op << level << (short39 ? 39 : 40);
        }
    }
}

void BanksTest::bankSizes()
{
    QFETCH(Operation, op);
    QFETCH(int, level);
    QFETCH(int, size);

    QCOMPARE(banks::bank(op, level).size(), size);

    const banks::AllFactsBank &all = banks::allFactsBank(level);
    QCOMPARE(all.multi.size(), 10);
    QCOMPARE(all.div.size(), 10);
    QCOMPARE(all.sub.size(), 10);
    QCOMPARE(all.add.size(), 10);
}

void BanksTest::answersStayInTheirBands_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("firstLow");  // items 1-20
    QTest::addColumn<int>("firstHigh");
    QTest::addColumn<int>("restLow");   // items 21 onward
    QTest::addColumn<int>("restHigh");
    // Items 21 onward of multiplication use two factors in this range, of division a
    // divisor in it; -1 where there is no such rule.
    QTest::addColumn<int>("factorLow");
    QTest::addColumn<int>("factorHigh");

    const auto add = Operation::Addition;
    const auto sub = Operation::Subtraction;
    const auto mul = Operation::Multiplication;
    const auto div = Operation::Division;

    QTest::newRow("1 addition") << add << 1 << 4 << 20 << 24 << 40 << -1 << -1;
    QTest::newRow("1 subtraction") << sub << 1 << 0 << 8 << 1 << 16 << -1 << -1;
    QTest::newRow("1 multiplication") << mul << 1 << 0 << 25 << 100 << 210 << 10 << 15;
    QTest::newRow("1 division") << div << 1 << 2 << 30 << 1 << 9 << 10 << 25;
    QTest::newRow("2 addition") << add << 2 << 11 << 20 << 41 << 60 << -1 << -1;
    QTest::newRow("2 subtraction") << sub << 2 << 0 << 18 << 6 << 20 << -1 << -1;
    QTest::newRow("2 multiplication") << mul << 2 << 0 << 36 << 100 << 225 << 10 << 15;
    QTest::newRow("2 division") << div << 2 << 6 << 26 << 10 << 15 << 10 << 13;
    QTest::newRow("3 addition") << add << 3 << 21 << 30 << 61 << 80 << -1 << -1;
    QTest::newRow("3 subtraction") << sub << 3 << 0 << 29 << 20 << 28 << -1 << -1;
    QTest::newRow("3 multiplication") << mul << 3 << 38 << 50 << 160 << 289 << 10 << 17;
    QTest::newRow("3 division") << div << 3 << 7 << 64 << 6 << 17 << 10 << 34;
    QTest::newRow("4 addition") << add << 4 << 81 << 90 << 31 << 40 << -1 << -1;
    QTest::newRow("4 subtraction") << sub << 4 << 1 << 38 << 23 << 47 << -1 << -1;
    QTest::newRow("4 multiplication") << mul << 4 << 55 << 70 << 176 << 324 << 10 << 18;
    QTest::newRow("4 division") << div << 4 << 9 << 38 << 14 << 20 << 13 << 20;
    QTest::newRow("5 addition") << add << 5 << 101 << 120 << 40 << 50 << -1 << -1;
    QTest::newRow("5 subtraction") << sub << 5 << 1 << 74 << 43 << 58 << -1 << -1;
    QTest::newRow("5 multiplication") << mul << 5 << 75 << 100 << 190 << 400 << 10 << 20;
    QTest::newRow("5 division") << div << 5 << 9 << 83 << 16 << 42 << 10 << 21;
}

void BanksTest::answersStayInTheirBands()
{
    QFETCH(Operation, op);
    QFETCH(int, level);
    QFETCH(int, firstLow);
    QFETCH(int, firstHigh);
    QFETCH(int, restLow);
    QFETCH(int, restHigh);
    QFETCH(int, factorLow);
    QFETCH(int, factorHigh);

    const QStringList &items = banks::bank(op, level);
    QVERIFY(items.size() > 20);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QByteArray where = "item " + QByteArray::number(i + 1) + " \""
            + items.at(i).toUtf8() + '"';
        Fact fact;
        QString why;
        QVERIFY2(parseFact(items.at(i), fact, why), where + ": " + why.toUtf8());

        const bool first = i < 20;
        const int low = first ? firstLow : restLow;
        const int high = first ? firstHigh : restHigh;
        QVERIFY2(fact.answer >= low && fact.answer <= high, where + ": answer out of band");

        if (first || factorLow < 0)
            continue;
        auto inRange = [&](int n) { return n >= factorLow && n <= factorHigh; };
        if (op == Operation::Multiplication)
            QVERIFY2(inRange(fact.left) && inRange(fact.right), where + ": factor out of range");
        else
            QVERIFY2(inRange(fact.right), where + ": divisor out of range");
    }
}

void BanksTest::firstLevelSubtractionStaysWithinTen()
{
    // Item 21 still belongs to the within-ten facts, one past the usual group boundary.
    const QStringList &items = banks::bank(Operation::Subtraction, 1);
    QVERIFY(items.size() > 21);
    for (qsizetype i = 0; i < 21; ++i) {
        Fact fact;
        QString why;
        QVERIFY2(parseFact(items.at(i), fact, why), qPrintable(items.at(i)));
        QVERIFY2(fact.left <= 10, qPrintable(items.at(i)));
    }
}

void BanksTest::onlyTheKnownItemsRepeat()
{
    for (int level = 1; level <= 5; ++level) {
        for (Operation op : kOperations) {
            QHash<QString, int> seen;
            for (const QString &item : banks::bank(op, level))
                ++seen[item];

            QHash<QString, int> expected;
            for (const Repeat &r : knownRepeats()) {
                if (r.op == op && r.level == level)
                    expected.insert(r.item, r.times);
            }

            for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
                const QByteArray where = QByteArray("level ") + QByteArray::number(level) + ' '
                    + nameOf(op) + " \"" + it.key().toUtf8() + '"';
                QVERIFY2(it.value() == expected.value(it.key(), 1),
                         where + " occurs " + QByteArray::number(it.value()) + " times");
            }
            for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                QVERIFY2(seen.contains(it.key()), qPrintable(it.key() + u" is missing"_s));
        }
    }
}

void BanksTest::irregularSpacingIsKept_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("item");

    QTest::newRow("wide ten") << Operation::Subtraction << 1 << u"10  -  5 = 5"_s;
    QTest::newRow("two blanks before =") << Operation::Subtraction << 1 << u"3  -  0  = 3"_s;
    QTest::newRow("two blanks before = again") << Operation::Subtraction << 1 << u"7  -  5  = 2"_s;
    QTest::newRow("shifted operator") << Operation::Addition << 3 << u"23  + 4 = 27"_s;
    QTest::newRow("three blanks after sign") << Operation::Division << 2 << u"34 \u00F7   2 = 17"_s;
    QTest::newRow("single blanks") << Operation::Division << 2 << u"32 \u00F7 4 = 8"_s;
    QTest::newRow("three-digit dividend") << Operation::Division << 5 << u"100 \u00F7 5 = 20"_s;
}

void BanksTest::irregularSpacingIsKept()
{
    QFETCH(Operation, op);
    QFETCH(int, level);
    QFETCH(QString, item);

    QVERIFY2(banks::bank(op, level).contains(item), qPrintable(item));
}

void BanksTest::allFactsItemsComeFromTheirLevelsBanks()
{
    // One item is spaced differently from its twin in the division bank; it must stay so.
    const QString oddOne = u"32 \u00F7  4 = 8"_s;
    QVERIFY(banks::allFactsBank(2).div.contains(oddOne));
    QVERIFY(!banks::allFactsBank(2).div.contains(u"32 \u00F7 4 = 8"_s));
    QVERIFY(!banks::bank(Operation::Division, 2).contains(oddOne));

    for (int level = 1; level <= 5; ++level) {
        const banks::AllFactsBank &all = banks::allFactsBank(level);
        const std::pair<const QStringList *, Operation> parts[] = {
            {&all.multi, Operation::Multiplication},
            {&all.div, Operation::Division},
            {&all.sub, Operation::Subtraction},
            {&all.add, Operation::Addition},
        };
        for (const auto &[part, op] : parts) {
            const QStringList &source = banks::bank(op, level);
            for (const QString &item : *part) {
                if (level == 2 && item == oddOne)
                    continue;
                QVERIFY2(source.contains(item),
                         qPrintable(u"level %1 all facts: "_s.arg(level) + item));
            }
        }
    }
}

void BanksTest::loadBankAppendsWithoutClearing_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<int>("level");

    for (Operation op : kOperations)
        QTest::addRow("%s", nameOf(op)) << op << 1;
    QTest::newRow("division with repeats") << Operation::Division << 2;
}

void BanksTest::loadBankAppendsWithoutClearing()
{
    QFETCH(Operation, op);
    QFETCH(int, level);

    const QStringList &source = banks::bank(op, level);
    QStringList target{u"already here"_s};
    banks::loadBank(op, level, target);
    banks::loadBank(op, level, target);

    QCOMPARE(target, QStringList{u"already here"_s} + source + source);
}

void BanksTest::loadAllFactsAppendsMultiDivSubAdd()
{
    const banks::AllFactsBank &all = banks::allFactsBank(3);

    // One list standing for all four shows the order the parts are appended in.
    QStringList one{u"already here"_s};
    banks::loadAllFacts(3, one, one, one, one);
    QCOMPARE(one, QStringList{u"already here"_s} + all.multi + all.div + all.sub + all.add);

    QStringList multi, div, sub, add{u"already here"_s};
    banks::loadAllFacts(3, multi, div, sub, add);
    banks::loadAllFacts(3, multi, div, sub, add);
    QCOMPARE(multi, all.multi + all.multi);
    QCOMPARE(div, all.div + all.div);
    QCOMPARE(sub, all.sub + all.sub);
    QCOMPARE(add, QStringList{u"already here"_s} + all.add + all.add);
}

void BanksTest::levelsOutsideOneToFiveAreEmpty_data()
{
    QTest::addColumn<int>("level");

    QTest::newRow("0") << 0;
    QTest::newRow("6") << 6;
    QTest::newRow("-1") << -1;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void BanksTest::levelsOutsideOneToFiveAreEmpty()
{
    QFETCH(int, level);

    const QStringList before{u"kept"_s};
    for (Operation op : kOperations) {
        QVERIFY(banks::bank(op, level).isEmpty());
        QStringList target = before;
        banks::loadBank(op, level, target);
        QCOMPARE(target, before);
    }

    const banks::AllFactsBank &all = banks::allFactsBank(level);
    QVERIFY(all.multi.isEmpty() && all.div.isEmpty() && all.sub.isEmpty() && all.add.isEmpty());
    QStringList multi = before, div = before, sub = before, add = before;
    banks::loadAllFacts(level, multi, div, sub, add);
    QCOMPARE(multi, before);
    QCOMPARE(div, before);
    QCOMPARE(sub, before);
    QCOMPARE(add, before);
}

void BanksTest::readFact_data()
{
    QTest::addColumn<QString>("fact");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");

    QTest::newRow("plain") << u"10 x  3 = 30"_s << u"10 x  3 "_s << u"30"_s;
    QTest::newRow("zero answer") << u"8  x  0 = 0"_s << u"8  x  0 "_s << u"0"_s;
    QTest::newRow("two blanks before =") << u"7  -  5  = 2"_s << u"7  -  5  "_s << u"2"_s;
    QTest::newRow("two blanks before = again") << u"3  -  0  = 3"_s << u"3  -  0  "_s << u"3"_s;
    QTest::newRow("division sign") << u"100 \u00F7 5 = 20"_s << u"100 \u00F7 5 "_s << u"20"_s;
    QTest::newRow("blanks around answer") << u"6 + 1 =   7  "_s << u"6 + 1 "_s << u"7"_s;
    QTest::newRow("first = splits") << u"1 = 2 = 3"_s << u"1 "_s << u"2 = 3"_s;
    QTest::newRow("no =") << u"12 +  8"_s << u"12 +  8"_s << QString();
    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("nothing after =") << u"4 + 4 ="_s << u"4 + 4 "_s << QString();
    QTest::newRow("nothing before =") << u"= 5"_s << QString() << u"5"_s;
}

void BanksTest::readFact()
{
    QFETCH(QString, fact);
    QFETCH(QString, question);
    QFETCH(QString, answer);

    const banks::FactParts parts = banks::readFact(fact);
    QCOMPARE(parts.question, question);
    QCOMPARE(parts.answer, answer);
}

QTEST_GUILESS_MAIN(BanksTest)
#include "banks_test.moc"
