#include "app/Forms.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

namespace {

struct Registry {
    QList<QPointer<Form>> open;
    std::function<void()> onLastClosed;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

void prune()
{
    registry().open.removeIf([](const QPointer<Form>& f) { return f.isNull(); });
}

} // namespace

namespace Forms {

Form* find(const QString& kind)
{
    prune();
    for (const auto& form : registry().open)
        if (form->kind() == kind)
            return form;
    return nullptr;
}

bool isOpen(const Form* form)
{
    prune();
    for (const auto& open : registry().open)
        if (open == form)
            return true;
    return false;
}

QList<Form*> openForms()
{
    prune();
    QList<Form*> forms;
    for (const auto& form : registry().open)
        forms.append(form);
    return forms;
}

void adopt(Form* form)
{
    registry().open.append(form);
    form->Form_Load();
}

void display(Form* form)
{
    form->show();
    // The offscreen platform of the tests has no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        form->raise();
    form->activateWindow();
}

void close(Form* form)
{
    if (!isOpen(form))
        return;
    registry().open.removeAll(QPointer<Form>(form));
    for (QTimer* timer : form->findChildren<QTimer*>())
        timer->stop();
    form->hide();
    // The handler that closes a window may still be running inside it.
    form->deleteLater();
    if (registry().open.isEmpty() && registry().onLastClosed) {
        // Let the running handler finish first: it may open the next window.
        QTimer::singleShot(0, [] {
            prune();
            if (registry().open.isEmpty() && registry().onLastClosed)
                registry().onLastClosed();
        });
    }
}

void unloadAllForms(const Form* keep)
{
    const QString keepKind = keep ? keep->kind() : QString();
    for (Form* form : openForms())
        if (form->kind() != keepKind)
            close(form);
}

void setOnLastClosed(std::function<void()> callback)
{
    registry().onLastClosed = std::move(callback);
}

} // namespace Forms
