#pragma once
// Short sound cues played from the program's folder, one at a time.
#include <QString>
#include <QStringList>

// Where cues end up: the real speakers, or a recorder in tests.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // `cue` as the caller named it ("\POP.WAV"); `file` the matching file, empty when none exists.
    virtual void play(const QString& cue, const QString& file) = 0;
};

// Plays the WAV file named `cue` ("\Click1.WAV", letter case does not matter) from the program's
// folder and returns at once; a new cue cuts off the one still playing. A missing file gives the
// desktop's alert sound instead.
void SoundCue(const QString& cue);

namespace Sound {
// Finds the file in `folder` whose name matches the cue without regard to letter case.
QString resolve(const QString& folder, const QString& cue);
// Installs a backend (not owned); nullptr restores the speakers.
void setBackend(SoundBackend* backend);
}

// Records cues instead of playing them.
class RecordingSoundBackend : public SoundBackend {
public:
    void play(const QString& cue, const QString& file) override
    {
        cues.append(cue);
        files.append(file);
    }
    QStringList cues;
    QStringList files;
};
