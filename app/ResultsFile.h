#pragma once
// Writing a results file for the teacher: CR LF lines in Windows-1252, into the results folder
// only, never leaving a half-written file behind.
#include <QByteArray>
#include <QString>
#include <QStringList>

// Windows-1252 bytes; a character the set cannot hold becomes "?".
QByteArray toWindows1252(const QString& text);
// Every line ended by CR LF, the last one too.
QByteArray joinCrLf(const QStringList& lines);

// The pupil's name made fit for a file name: characters no file name may hold on Windows or Linux
// (\ / : * ? " < > | and control characters) become "_", and the name is shortened so that it
// takes at most `maxBytes` bytes in UTF-8.
QString safeNamePart(const QString& name, int maxBytes);

struct SaveOutcome {
    bool saved = false;
    QString path;  // the file written (or that could not be written)
    QString error; // why not, for the log
};

// Writes <folder>/<prefix><safe name><suffix> with `lines`. The folder is created when missing;
// the file is written beside its final name and renamed over it, so a failed write leaves an
// earlier file intact.
SaveOutcome writeResultsFile(const QString& folder, const QString& prefix, const QString& name,
                             const QString& suffix, const QStringList& lines);
