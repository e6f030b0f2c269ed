#include "app/SoundCue.h"

#include "app/AppFolder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

// QSoundEffect plays asynchronously. Nothing waits for a sound to end: without an audio device
// the end is never reported.
class SpeakerBackend : public SoundBackend {
public:
    void play(const QString&, const QString& file) override
    {
        if (m_playing)
            m_playing->stop();
        m_playing = nullptr;
        if (file.isEmpty()) {
            QApplication::beep();
            return;
        }
        QSoundEffect*& effect = m_effects[file];
        if (!effect) {
            effect = new QSoundEffect(qApp);
            effect->setSource(QUrl::fromLocalFile(file));
            effect->setVolume(0.8f);
        }
        if (effect->status() == QSoundEffect::Error) {
            QApplication::beep();
            return;
        }
        effect->play();
        m_playing = effect;
    }

private:
    QHash<QString, QSoundEffect*> m_effects;
    QSoundEffect* m_playing = nullptr;
};

SoundBackend*& installed()
{
    static SoundBackend* backend = nullptr;
    return backend;
}

SoundBackend& backend()
{
    if (installed())
        return *installed();
    static SpeakerBackend speakers;
    return speakers;
}

} // namespace

namespace Sound {

QString resolve(const QString& folder, const QString& cue)
{
    QString name = cue;
    while (name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return {};
    // The folder is read once and read again only when a cue is not found, so a click that plays
    // a sound does not list a folder.
    static QHash<QString, QHash<QString, QString>> listings;
    const QString key = name.toLower();
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto listing = listings.find(folder);
        if (listing == listings.end() || attempt == 1) {
            QHash<QString, QString> files;
            const QDir dir(folder);
            for (const QString& entry : dir.entryList(QDir::Files | QDir::Readable))
                files.insert(entry.toLower(), dir.filePath(entry));
            listing = listings.insert(folder, files);
        }
        if (const auto found = listing->constFind(key); found != listing->constEnd()) {
            if (QFileInfo::exists(*found))
                return *found;
        }
    }
    return {};
}

void setBackend(SoundBackend* b)
{
    installed() = b;
}

} // namespace Sound

void SoundCue(const QString& cue)
{
    backend().play(cue, Sound::resolve(AppFolder::path(), cue));
}
