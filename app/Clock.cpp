#include "app/Clock.h"

namespace {
std::function<QDateTime()>& source()
{
    static std::function<QDateTime()> current;
    return current;
}
}

namespace Clock {
QDateTime now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

void setSource(std::function<QDateTime()> fn)
{
    source() = std::move(fn);
}
}
