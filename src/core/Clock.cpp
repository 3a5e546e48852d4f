#include "Clock.h"

namespace {
QDate g_fixed;
}

namespace Clock {

QDate today()
{
    return g_fixed.isValid() ? g_fixed : QDate::currentDate();
}

void setFixedToday(const QDate& date)
{
    g_fixed = date;
}

} // namespace Clock
