#include "app/ResultsSaving.h"

#include "app/AppFolder.h"
#include "app/Forms.h"
#include "app/notices/SaveComplete.h"
#include "app/notices/SaveFailed.h"

SaveOutcome saveResults(const QString& prefix, const QString& name, const QString& suffix,
                        const QStringList& lines)
{
    const SaveOutcome outcome = writeResultsFile(AppFolder::resultsFolder(), prefix, name, suffix, lines);
    if (outcome.saved)
        Forms::show<SaveComplete>();
    else
        Forms::show<SaveFailed>();
    return outcome;
}
