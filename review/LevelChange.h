#pragma once
// What the two level-change windows share: the paused practice window beneath them, the current
// level plate, the Stay button, and carrying name, level and operations into a fresh set-up.
#include "app/Form.h"
#include "app/Pictures.h"

#include <QLabel>
#include <QLineEdit>

#include <array>

class MentalReview2;

class LevelChange : public Form {
    Q_OBJECT
public:
    // `words` is what the background picture says, for screen readers.
    LevelChange(const char* kind, const QString& background, const QString& words);

    PictureButton* StayButton;
    std::array<Picture*, 6> LvlBanner{}; // 1..5, all at the same place
    // Copies of the practice window's operation flags, written by its progress monitor.
    QLabel* AdditionLBL;
    QLabel* SubtractionLBL;
    QLabel* DivisionLBL;
    QLabel* MultiplicationLBL;
    QLineEdit* StudentNameTXT;

    void Form_Load() override;
    void StayButton_Click();

    // The level whose plate is not hidden (1..5), or 0 when none is.
    int currentLevel() const;
    // The progress monitor hands over the practice window's four flags.
    void copyFlags(const QString& addition, const QString& subtraction, const QString& division,
                   const QString& multiplication);

    // The level a go button leads to: one up (none above 5, shown as 0), one down (never below 1).
    static int harderLevel(int level);
    static int easierLevel(int level);

protected:
    virtual void playOpeningSound() {}
    PictureButton* addGoButton(const char* name, const QString& picture, const QString& words);
    // Prepares a fresh set-up window with the same name, the operations flagged "YES" and the
    // level `mapping` gives for the current one, closes the practice window and starts the level.
    void goToLevel(int (*mapping)(int));
    // Closing from the title bar is taken as staying: the practice must not stay frozen.
    void closeEvent(QCloseEvent* event) override;

private:
    static MentalReview2* practice();
    QString m_name; // the pupil's name, in case the practice window is gone when a go button is pressed
};
