#pragma once
// The program's pictures: SVG files compiled in as resources, drawn once per size and reused.
#include <QAbstractButton>
#include <QWidget>

class QPainter;

namespace Pictures {
// Resource path of a picture name such as "shell/start_button".
QString path(const QString& name);
// The picture drawn at `size` device-independent pixels for a screen of ratio `dpr`. A template
// picture has the literal {{TEXT}} replaced by `text`. A missing picture gives a plain card that
// shows `text` (or the name), so a window still reads without it.
QPixmap pixmap(const QString& name, QSize size, qreal dpr, const QString& text = {});
// Paints the picture into `target`; on a printer or PDF it is drawn as vectors.
void paint(QPainter& painter, const QRect& target, const QString& name, const QString& text = {});
}

// What a picture widget shows: a picture name and the text for its template, drawn once for the
// widget's size and kept until either changes.
class PictureFace {
public:
    PictureFace(const QString& picture, const QString& text) : m_picture(picture), m_text(text) {}

    const QString& picture() const { return m_picture; }
    const QString& text() const { return m_text; }
    // Each returns whether the face changed.
    bool setPicture(const QString& picture);
    bool setText(const QString& text);
    void paint(QPainter& painter, const QRect& target);

private:
    QString m_picture;
    QString m_text;
    QPixmap m_drawn;
};

// A picture that does not react to clicks.
class Picture : public QWidget {
    Q_OBJECT
public:
    // `words` are what the picture says, for screen readers.
    Picture(QWidget* parent, const QString& objectName, const QString& picture, QSize sizePx,
            const QString& words = {}, const QString& templateText = {});

    QString picture() const { return m_face.picture(); }
    void setPicture(const QString& picture);
    QString templateText() const { return m_face.text(); }
    void setTemplateText(const QString& text);
    // Draws the picture on its own slice of the window's background picture, as one opaque picture,
    // so that showing or changing it repaints nothing beneath it. Only for a picture with nothing
    // but the background under its see-through parts.
    void setBackdrop(const QString& windowBackground);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureFace m_face;
    QString m_backdrop;
    QPixmap m_composed; // the picture on its backdrop, for m_composedAt
    QPoint m_composedAt;
};

// A picture that reacts to one click, takes the focus with Tab and is pressed with Space or Enter.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const QString& objectName, const QString& picture, QSize sizePx,
                  const QString& words, const QString& templateText = {});

    QString picture() const { return m_face.picture(); }
    void setPicture(const QString& picture) { if (m_face.setPicture(picture)) update(); }
    QString templateText() const { return m_face.text(); }
    void setTemplateText(const QString& text) { if (m_face.setText(text)) update(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    PictureFace m_face;
    bool m_showFocus = false; // only focus reached with the keyboard is drawn
};
