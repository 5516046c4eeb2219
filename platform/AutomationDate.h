#pragma once
// Dates as day numbers counted from 30 December 1899, the epoch of automation dates, which
// identifiers and date values of the condition language are built on.
#include <chrono>

long long AutomationDay(std::chrono::year_month_day date);
