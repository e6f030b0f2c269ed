#include "app/Pictures.h"

#include <QCache>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QResource>
#include <QSvgRenderer>

#include <memory>

namespace {

QByteArray svgSource(const QString& name, const QString& text)
{
    // The pictures name their face as a CSS-style list, which Qt Svg takes as one family name.
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Liberation Sans, Arial, sans-serif"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);
    static QHash<QString, QByteArray> sources;
    auto it = sources.find(name);
    if (it == sources.end()) {
        QFile file(Pictures::path(name));
        QByteArray data;
        if (file.open(QIODevice::ReadOnly))
            data = file.readAll();
        it = sources.insert(name, data);
    }
    QByteArray data = *it;
    if (!data.isEmpty())
        data.replace("{{TEXT}}", text.toHtmlEscaped().toUtf8());
    return data;
}

QSvgRenderer* renderer(const QString& name, const QString& text)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    const QString key = name + QLatin1Char('\x1f') + text;
    auto it = renderers.find(key);
    if (it == renderers.end()) {
        const QByteArray data = svgSource(name, text);
        std::shared_ptr<QSvgRenderer> r;
        if (!data.isEmpty()) {
            r = std::make_shared<QSvgRenderer>(data);
            if (!r->isValid())
                r.reset();
        }
        it = renderers.insert(key, r);
    }
    return it->get();
}

void paintMissing(QPainter& painter, const QRectF& target, const QString& words)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1B, 0x3A, 0x6B), 2));
    painter.setBrush(QColor(0xFF, 0xF8, 0xE7));
    painter.drawRoundedRect(target.adjusted(1, 1, -1, -1), 8, 8);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qBound(9, int(target.height() / 3), 22));
    painter.setFont(font);
    painter.drawText(target, Qt::AlignCenter | Qt::TextWordWrap, words);
    painter.restore();
}

void paintVector(QPainter& painter, const QRectF& target, const QString& name, const QString& text)
{
    if (QSvgRenderer* r = renderer(name, text))
        r->render(&painter, target);
    else
        paintMissing(painter, target, text.isEmpty() ? name.section(QLatin1Char('/'), -1) : text);
}

bool isPrintDevice(QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && (engine->type() == QPaintEngine::Pdf || engine->type() == QPaintEngine::Picture);
}

// A picture drawn when the program was built (see tools/prerender.cpp), or a null image.
QImage prerendered(const QString& name, QSize size)
{
    const QResource resource(QStringLiteral(":/prerendered/%1.pixels").arg(name));
    if (!resource.isValid())
        return {};
    const QByteArray bytes = resource.uncompressedData();
    const auto number = [&bytes](int at) {
        quint32 value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | quint8(bytes[at + i]);
        return value;
    };
    if (bytes.size() < 16 || !bytes.startsWith("RRPX"))
        return {};
    const QSize stored(int(number(4)), int(number(8)));
    const auto format = QImage::Format(number(12));
    if (stored != size || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        || bytes.size() != 16 + qsizetype(stored.width()) * stored.height() * 4)
        return {};
    QImage image(stored, format);
    for (int y = 0; y < stored.height(); ++y)
        memcpy(image.scanLine(y), bytes.constData() + 16 + qsizetype(y) * stored.width() * 4, stored.width() * 4);
    return image;
}

} // namespace

namespace Pictures {

QString path(const QString& name)
{
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

QPixmap pixmap(const QString& name, QSize size, qreal dpr, const QString& text)
{
    const QString key = QStringLiteral("rr|%1|%2|%3x%4|%5").arg(name, text).arg(size.width()).arg(size.height()).arg(dpr);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    // Pictures that are not templates were drawn at their own size when the program was built.
    QImage image;
    if (text.isEmpty() && dpr == 1.0)
        image = prerendered(name, size);
    if (image.isNull()) {
        image = QImage(size * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        paintVector(painter, QRectF(QPointF(0, 0), QSizeF(size)), name, text);
    }
    // A picture without see-through pixels (a window background) is drawn by plain copying.
    bool opaque = !image.isNull() && image.format() == QImage::Format_ARGB32_Premultiplied;
    for (int y = 0; y < image.height() && opaque; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255) {
                opaque = false;
                break;
            }
    }
    if (opaque)
        image.convertTo(QImage::Format_RGB32);
    const QPixmap drawn = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, drawn);
    return drawn;
}

void paint(QPainter& painter, const QRect& target, const QString& name, const QString& text)
{
    if (isPrintDevice(painter)) {
        paintVector(painter, target, name, text);
        return;
    }
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawPixmap(target.topLeft(), pixmap(name, target.size(), dpr, text));
}

} // namespace Pictures

bool PictureFace::setPicture(const QString& picture)
{
    if (picture == m_picture)
        return false;
    m_picture = picture;
    m_drawn = QPixmap();
    return true;
}

bool PictureFace::setText(const QString& text)
{
    if (text == m_text)
        return false;
    m_text = text;
    m_drawn = QPixmap();
    return true;
}

void PictureFace::paint(QPainter& painter, const QRect& target)
{
    if (isPrintDevice(painter)) {
        paintVector(painter, target, m_picture, m_text);
        return;
    }
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (m_drawn.isNull() || m_drawn.devicePixelRatio() != dpr || m_drawn.deviceIndependentSize() != QSizeF(target.size()))
        m_drawn = Pictures::pixmap(m_picture, target.size(), dpr, m_text);
    painter.drawPixmap(target.topLeft(), m_drawn);
}

Picture::Picture(QWidget* parent, const QString& objectName, const QString& picture, QSize sizePx,
                 const QString& words, const QString& templateText)
    : QWidget(parent), m_face(picture, templateText)
{
    setObjectName(objectName);
    setFixedSize(sizePx);
    setAccessibleName(words);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Picture::setPicture(const QString& picture)
{
    if (!m_face.setPicture(picture))
        return;
    m_composed = QPixmap();
    update();
}

void Picture::setTemplateText(const QString& text)
{
    if (!m_face.setText(text))
        return;
    m_composed = QPixmap();
    update();
}

void Picture::setBackdrop(const QString& windowBackground)
{
    m_backdrop = windowBackground;
    m_composed = QPixmap();
    setAttribute(Qt::WA_OpaquePaintEvent, !windowBackground.isEmpty());
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_backdrop.isEmpty() || isPrintDevice(painter)) {
        m_face.paint(painter, rect());
        return;
    }
    const QPoint at = mapTo(window(), QPoint(0, 0));
    const qreal dpr = devicePixelRatioF();
    if (m_composed.isNull() || m_composedAt != at || m_composed.devicePixelRatio() != dpr) {
        QPixmap composed(size() * dpr);
        composed.setDevicePixelRatio(dpr);
        QPainter compose(&composed);
        compose.drawPixmap(-at, Pictures::pixmap(m_backdrop, window()->size(), dpr));
        m_face.paint(compose, rect());
        compose.end();
        m_composed = composed;
        m_composedAt = at;
    }
    painter.drawPixmap(0, 0, m_composed);
}

namespace {
// Whether the pupil's last input was the keyboard: focus passed on because a clicked button was
// disabled also arrives as "Tab" focus, and a frame then would only puzzle a mouse user.
class InputWatch : public QObject {
public:
    static bool lastWasKey()
    {
        static InputWatch* watch = [] {
            auto* created = new InputWatch(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(created);
            return created;
        }();
        return watch->m_key;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            m_key = true;
        else if (event->type() == QEvent::MouseButtonPress)
            m_key = false;
        return false;
    }

private:
    using QObject::QObject;
    bool m_key = false;
};
}

PictureButton::PictureButton(QWidget* parent, const QString& objectName, const QString& picture,
                             QSize sizePx, const QString& words, const QString& templateText)
    : QAbstractButton(parent), m_face(picture, templateText)
{
    setObjectName(objectName);
    setFixedSize(sizePx);
    setText(words);
    setAccessibleName(words);
    setToolTip(words);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    InputWatch::lastWasKey(); // start watching before the first key press
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect target = rect();
    if (isDown())
        target.translate(1, 2);
    m_face.paint(painter, target);
    if (hasFocus() && m_showFocus && !isPrintDevice(painter)) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0xFF, 0xD2, 0x3F), 3, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 10, 10);
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::changeEvent(QEvent* event)
{
    // A picture button looks the same enabled or not; repainting it then would only cost time.
    if (event->type() == QEvent::EnabledChange)
        return;
    QAbstractButton::changeEvent(event);
}

void PictureButton::focusInEvent(QFocusEvent* event)
{
    const bool byTab = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    m_showFocus = byTab && InputWatch::lastWasKey();
    QAbstractButton::focusInEvent(event);
}
