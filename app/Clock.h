#pragma once
// "Now" for the whole program; tests fix it.
#include <QDateTime>
#include <functional>

namespace Clock {
QDateTime now();
// An empty function restores the system clock.
void setSource(std::function<QDateTime()> source);
}
