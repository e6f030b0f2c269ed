#pragma once
// Common ground of the small notice windows: a background picture that carries the words, and
// picture buttons placed in twips.
#include "app/Form.h"
#include "app/Pictures.h"

#include <functional>

class Notice : public Form {
    Q_OBJECT
public:
    using Form::Form;

protected:
    PictureButton* addButton(const char* name, const QString& picture, QSize sizePx,
                             const QString& words, int left, int top, std::function<void()> handler);
    Picture* addPicture(const char* name, const QString& picture, QSize sizePx, const QString& words,
                        int left, int top);
};
