#pragma once
// The window operations: one open instance per window kind, created on first touch, shown,
// closed and discarded. Every window reaches another only through these.
#include "app/Form.h"

#include <QList>
#include <functional>

namespace Forms {

// The open window of that kind, or nullptr.
Form* find(const QString& kind);
bool isOpen(const Form* form);
// Open windows in the order they were opened.
QList<Form*> openForms();

// Registers a freshly constructed window and runs its load handler (hidden).
void adopt(Form* form);
// Displays a window and makes it the active one.
void display(Form* form);
// Hides and discards a window with all its values; its timers stop at once.
void close(Form* form);
// Closes every open window except `keep` (compared by kind name), in opening order.
void unloadAllForms(const Form* keep);

// Called once no window is open any more (the program sets it to quit).
void setOnLastClosed(std::function<void()> callback);

// Touching a window: the open one, or a new one created hidden with its load handler run.
template <class T> T* get()
{
    if (Form* open = find(QString::fromLatin1(T::Kind)))
        return static_cast<T*>(open);
    auto* created = new T;
    adopt(created);
    return created;
}

// Show: create (load handler runs) if needed, display, bring to the front.
template <class T> T* show()
{
    T* form = get<T>();
    display(form);
    return form;
}

template <class T> bool isOpen() { return find(QString::fromLatin1(T::Kind)) != nullptr; }

template <class T> void close()
{
    if (Form* open = find(QString::fromLatin1(T::Kind)))
        close(open);
}

} // namespace Forms
