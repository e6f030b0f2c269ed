#include "app/Form.h"

#include "app/Forms.h"
#include "app/Pictures.h"

#include <QCloseEvent>
#include <QPainter>
#include <QTimer>

Form::Form(const char* kind, const QString& caption, QSize clientPx, const QString& background)
    : m_kind(QString::fromLatin1(kind)), m_background(background, {})
{
    setObjectName(m_kind);
    setWindowTitle(caption);
    setFixedSize(clientPx);
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (!background.isEmpty()) {
        // The background picture covers the whole client area.
        setAttribute(Qt::WA_OpaquePaintEvent);
    } else {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::white);
        pal.setColor(QPalette::WindowText, Qt::black);
        setPalette(pal);
        setAutoFillBackground(true);
    }
}

QTimer* Form::makeTimer(const char* name, int intervalMs)
{
    auto* timer = new QTimer(this);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(intervalMs);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

void Form::closeEvent(QCloseEvent* event)
{
    // Closing from the title bar discards the window exactly as the program's own Close does.
    if (Forms::isOpen(this))
        Forms::close(this);
    event->accept();
}

void Form::paintEvent(QPaintEvent*)
{
    if (m_background.picture().isEmpty())
        return;
    QPainter painter(this);
    m_background.paint(painter, rect());
}
