#pragma once

#include <QDate>

// Today's date, replaceable so that project dates and report dates are deterministic in tests.
namespace Clock {

QDate today();
// A fixed date from now on; an invalid date returns to the system clock.
void setFixedToday(const QDate& date);

} // namespace Clock
