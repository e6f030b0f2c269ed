// The yardstick for start-up: a bare window of the same size and modules, showing one line of text,
// that leaves after its first paint as the program does under the benchmark.
#include <QApplication>
#include <QPainter>
#include <QSoundEffect>
#include <QSvgRenderer>
#include <QPrinterInfo>
#include <QTimer>
#include <QWidget>
#include <cstdio>

class Bare : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x4F, 0xA3, 0xE0));
        painter.drawText(rect(), Qt::AlignCenter, windowTitle()); // any real window shows words
        if (!m_painted) {
            m_painted = true;
            std::puts("first-paint");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }
    bool m_painted = false;
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Touch each module so that its library is loaded as in the program.
    QSvgRenderer svg;
    Q_UNUSED(svg.isValid());
    Q_UNUSED(QSoundEffect::staticMetaObject.className());
    Q_UNUSED(&QPrinterInfo::defaultPrinterName);
    Bare window;
    window.setFixedSize(733, 485);
    window.setWindowTitle(QStringLiteral("Bare"));
    window.show();
    return app.exec();
}
