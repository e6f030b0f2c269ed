#include "app/Form.h"

#include "app/Forms.h"
#include "app/Pictures.h"
#include "app/Twips.h"

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

PictureButton* Form::addButton(const char* name, const QString& picture, QSize sizePx, const QString& words,
                              int left, int top, std::function<void()> handler)
{
    auto* button = new PictureButton(this, QString::fromLatin1(name), picture, sizePx, words);
    button->move(twips::pos(left, top));
    connect(button, &QAbstractButton::clicked, this, [handler = std::move(handler)] { handler(); });
    return button;
}

Picture* Form::addPicture(const char* name, const QString& picture, QSize sizePx, const QString& words, int left,
                          int top)
{
    auto* shown = new Picture(this, QString::fromLatin1(name), picture, sizePx, words);
    shown->move(twips::pos(left, top));
    return shown;
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
