#pragma once
// Base of every window: knows its kind, its client size and its load handler.
#include "app/Pictures.h"

#include <QString>
#include <QWidget>

#include <functional>

class QTimer;

class Form : public QWidget {
    Q_OBJECT
public:
    // clientPx is the client area in pixels; background is a picture name ("shell/main_background")
    // or empty for a plain white window.
    Form(const char* kind, const QString& caption, QSize clientPx, const QString& background = {});

    QString kind() const { return m_kind; }
    QString background() const { return m_background.picture(); }

    // Runs once when the window is created, whether it is shown or only touched.
    virtual void Form_Load() {}

protected:
    // A timer named as the window calls it, owned by the window so closing it stops the timer.
    QTimer* makeTimer(const char* name, int intervalMs);
    // A picture button or a picture at a place given in twips; `words` are what it says.
    PictureButton* addButton(const char* name, const QString& picture, QSize sizePx, const QString& words,
                             int left, int top, std::function<void()> handler);
    template <class W>
    PictureButton* addButton(const char* name, const QString& picture, QSize sizePx, const QString& words,
                             int left, int top, void (W::*handler)())
    {
        return addButton(name, picture, sizePx, words, left, top,
                         [this, handler] { (static_cast<W*>(this)->*handler)(); });
    }
    Picture* addPicture(const char* name, const QString& picture, QSize sizePx, const QString& words,
                        int left, int top);
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_kind;
    PictureFace m_background;
};
