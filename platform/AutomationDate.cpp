#include "platform/AutomationDate.h"

long long AutomationDay(std::chrono::year_month_day date) {
    using namespace std::chrono;
    constexpr sys_days kEpoch{year{1899} / December / 30};
    return (sys_days{date} - kEpoch).count();
}
