#pragma once
// Saving from a results window: write the file, then tell the pupil how it went.
#include "app/ResultsFile.h"

// Writes into the results folder and shows SaveComplete after a successful write, or the notice
// that the results could not be saved.
SaveOutcome saveResults(const QString& prefix, const QString& name, const QString& suffix,
                        const QStringList& lines);
