#pragma once
// The folder that holds the program file, its sound files and the results folder.
#include <QString>

namespace AppFolder {
inline constexpr const char* ResultsFolderName = "DovuveDedoVedod";

// The program's own folder, without a trailing separator.
QString path();
// The results folder inside it.
QString resultsFolder();
// Tests point the program at a folder of their own.
void setPath(const QString& folder);
}
