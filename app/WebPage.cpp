#include "app/WebPage.h"

#include <QDesktopServices>

namespace {
std::function<void(const QUrl&)>& opener()
{
    static std::function<void(const QUrl&)> current;
    return current;
}
}

namespace WebPage {
void openMakerPage()
{
    const QUrl page(QString::fromLatin1(MakerPage));
    if (opener())
        opener()(page);
    else
        QDesktopServices::openUrl(page);
}

void setOpener(std::function<void(const QUrl&)> fn)
{
    opener() = std::move(fn);
}
}
