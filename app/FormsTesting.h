#pragma once
// Helpers for window tests: start each case with no window open, and name what is open.
#include "app/Forms.h"

#include <QCoreApplication>
#include <QStringList>

namespace FormsTesting {

// Closes every window and lets the closed ones be discarded at once.
inline void closeAll()
{
    Forms::unloadAllForms(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The kinds of the open windows, in opening order.
inline QStringList openKinds()
{
    QStringList kinds;
    for (Form* form : Forms::openForms())
        kinds << form->kind();
    return kinds;
}

}
