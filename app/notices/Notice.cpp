#include "app/notices/Notice.h"

#include "app/Twips.h"

PictureButton* Notice::addButton(const char* name, const QString& picture, QSize sizePx,
                                 const QString& words, int left, int top,
                                 std::function<void()> handler)
{
    auto* button = new PictureButton(this, QString::fromLatin1(name), picture, sizePx, words);
    button->move(twips::pos(left, top));
    connect(button, &QAbstractButton::clicked, this, [handler = std::move(handler)] { handler(); });
    return button;
}

Picture* Notice::addPicture(const char* name, const QString& picture, QSize sizePx,
                            const QString& words, int left, int top)
{
    auto* shown = new Picture(this, QString::fromLatin1(name), picture, sizePx, words);
    shown->move(twips::pos(left, top));
    return shown;
}
