#include "app/ResultsFile.h"

#include <QDir>
#include <QSaveFile>

namespace {

// The 0x80..0x9F row of Windows-1252; 0 marks the five bytes the set leaves undefined.
constexpr char16_t HighRow[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char encodeOne(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (HighRow[i] != 0 && HighRow[i] == c)
            return char(0x80 + i);
    return '?';
}

// A file name part on Linux and Windows: 255 bytes at most, and the temporary file written beside
// it takes a few more.
constexpr int MaxFileNameBytes = 240;

} // namespace

QByteArray toWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (char32_t c : text.toUcs4())
        bytes.append(encodeOne(c));
    return bytes;
}

QByteArray joinCrLf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

QString safeNamePart(const QString& name, int maxBytes)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    QString safe;
    for (QChar c : name)
        safe.append(c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c) ? QChar(u'_') : c);
    while (!safe.isEmpty() && safe.toUtf8().size() > maxBytes) {
        safe.chop(1);
        if (!safe.isEmpty() && safe.back().isHighSurrogate())
            safe.chop(1);
    }
    return safe;
}

SaveOutcome writeResultsFile(const QString& folder, const QString& prefix, const QString& name,
                             const QString& suffix, const QStringList& lines)
{
    SaveOutcome outcome;
    const int budget = MaxFileNameBytes - int(prefix.toUtf8().size() + suffix.toUtf8().size());
    const QString fileName = prefix + safeNamePart(name, qMax(0, budget)) + suffix;
    outcome.path = QDir(folder).filePath(fileName);

    if (!QDir().mkpath(folder)) {
        outcome.error = QStringLiteral("cannot create the results folder");
        return outcome;
    }
    QSaveFile file(outcome.path);
    if (!file.open(QIODevice::WriteOnly)) {
        outcome.error = file.errorString();
        return outcome;
    }
    const QByteArray bytes = joinCrLf(lines);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        outcome.error = file.errorString();
        file.cancelWriting();
        return outcome;
    }
    outcome.saved = true;
    return outcome;
}
