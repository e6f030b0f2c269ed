// How long a click in the practice window takes: from the press event to the end of the
// repaint that follows it, for target, digit and Check Answer clicks. Prints median and worst.
// Run it under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
#include "app/Forms.h"
#include "app/SoundCue.h"
#include "review/MentalReview1.h"
#include "review/MentalReview2.h"
#include "review/banks/QuestionBanks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// Notes the end of every repaint of the measured window.
class TimedApp : public QApplication {
public:
    using QApplication::QApplication;
    QWidget* window = nullptr;
    QElapsedTimer* clock = nullptr;
    qint64 lastPaintEnd = -1; // ns on `clock`
    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool isRepaint = event->type() == QEvent::UpdateRequest
            && (receiver == window || (window && receiver == static_cast<QObject*>(window->windowHandle())));
        const bool result = QApplication::notify(receiver, event);
        if (isRepaint && clock)
            lastPaintEnd = clock->nsecsElapsed();
        return result;
    }
};

class NoSound : public SoundBackend {
public:
    void play(const QString&, const QString&) override {}
};

const char* const DigitWords[10] = {"Zero", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine"};

struct Figures {
    std::vector<double> ms;
    void print(const char* what) const
    {
        if (ms.empty())
            return;
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        std::printf("%-14s clicks %4zu   median %6.3f ms   worst %6.3f ms\n", what, sorted.size(),
                    sorted[sorted.size() / 2], sorted.back());
    }
    void add(const Figures& other) { ms.insert(ms.end(), other.ms.begin(), other.ms.end()); }
};
} // namespace

int main(int argc, char* argv[])
{
    TimedApp app(argc, argv);
    NoSound quiet;
    Sound::setBackend(&quiet);

    // A level started as a pupil starts one, then a long pool so it never runs out; level 5
    // makes no level-change offers.
    MentalReview1* setup = Forms::show<MentalReview1>();
    setup->AdditionFact_Click();
    setup->DivisionFact_Click();
    setup->MultiplicationFact_Click();
    setup->Lvl_Click(5);
    setup->STARTButton_Click();
    auto* window = Forms::get<MentalReview2>();
    QStringList pool;
    for (int level = 1; level <= 5; ++level) {
        banks::loadBank(banks::Operation::Addition, level, pool);
        banks::loadBank(banks::Operation::Multiplication, level, pool);
        banks::loadBank(banks::Operation::Division, level, pool);
    }
    window->QList = pool;
    // The level clock repaints once a second; stopped so its repaints are not taken for a click's.
    window->ReviewTimer->stop();
    app.window = window;
    window->show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        app.processEvents();

    auto timedClick = [&](QAbstractButton* button) {
        const QPointF at(button->width() / 2.0, button->height() / 2.0);
        const QPointF global = button->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QElapsedTimer clock;
        app.clock = &clock;
        app.lastPaintEnd = -1;
        clock.start();
        QApplication::sendEvent(button, &press);
        QApplication::sendEvent(button, &release);
        // The end of the last repaint the click caused: wait for one, then make sure no further
        // repaint follows within the next 20 ms.
        while (app.lastPaintEnd < 0 && clock.elapsed() < 1000)
            app.processEvents();
        for (qint64 seen = app.lastPaintEnd, quietSince = clock.elapsed(); clock.elapsed() - quietSince < 20;) {
            app.processEvents();
            if (app.lastPaintEnd != seen) {
                seen = app.lastPaintEnd;
                quietSince = clock.elapsed();
            }
        }
        app.clock = nullptr;
        return app.lastPaintEnd / 1e6;
    };

    Figures target, digit, check;
    const int questions = argc > 1 ? std::max(30, atoi(argv[1])) : 60;
    const int warmUp = 10;
    for (int q = 0; q < warmUp + questions; ++q) {
        const bool measured = q >= warmUp;
        const double t = timedClick(window->Target[1 + q % 5]);
        if (measured)
            target.ms.push_back(t);
        // Right answers on most questions, a wrong digit now and then.
        QString answer = window->RAnsTXT;
        if (q % 3 == 2)
            answer = QString(answer.size(), QLatin1Char(answer.at(0) == QLatin1Char('1') ? '2' : '1'));
        const char rows[] = {'C', 'B', 'A'};
        for (int i = 0; i < answer.size(); ++i) {
            const QString name = QString::fromLatin1(DigitWords[answer.at(i).digitValue()])
                + QLatin1Char(rows[3 - answer.size() + i]);
            const double d = timedClick(window->findChild<PictureButton*>(name));
            if (measured)
                digit.ms.push_back(d);
        }
        const double c = timedClick(window->CheckAns);
        if (measured)
            check.ms.push_back(c);
        // The pause is ticked by hand; it is not a click.
        QTimer* pause = window->CorrectTimer->isActive() ? window->CorrectTimer : window->WrongTimer;
        for (int tick = 0; tick < 2; ++tick)
            pause == window->CorrectTimer ? window->CorrectTimer_Timer() : window->WrongTimer_Timer();
        app.processEvents();
    }

    std::printf("practice window clicks, press to end of repaint (%s, %d questions after %d warm-up)\n",
                qPrintable(QGuiApplication::platformName()), questions, warmUp);
    target.print("target");
    digit.print("digit");
    check.print("Check Answer");
    Figures all;
    all.add(target);
    all.add(digit);
    all.add(check);
    all.print("all clicks");
    Forms::unloadAllForms(nullptr);
    return 0;
}
