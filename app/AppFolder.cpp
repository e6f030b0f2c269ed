#include "app/AppFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overridePath()
{
    static QString folder;
    return folder;
}
}

namespace AppFolder {

QString path()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString resultsFolder()
{
    return path() + QLatin1Char('/') + QLatin1String(ResultsFolderName);
}

void setPath(const QString& folder)
{
    overridePath() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

}
