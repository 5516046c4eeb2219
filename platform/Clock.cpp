#include "platform/Clock.h"

#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

std::unique_ptr<Clock>& Installed() {
    static std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    return clock;
}

DateTime FromTm(const std::tm& tm, int millisecond) {
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, millisecond};
}

template <class Convert>
DateTime ReadNow(Convert convert) {
    auto now = std::chrono::system_clock::now();
    std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    int ms = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm tm{};
    convert(&seconds, &tm);
    return FromTm(tm, ms);
}

}  // namespace

std::uint32_t SystemClock::TickCount() const {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

DateTime SystemClock::LocalNow() const { return ReadNow(localtime_r); }

DateTime SystemClock::UtcNow() const { return ReadNow(gmtime_r); }

LocalAndUtc SystemClock::LocalAndUtcNow() const {
    thread_local std::time_t convertedSecond = -1;
    thread_local LocalAndUtc converted;
    const auto now = std::chrono::system_clock::now();
    const std::time_t second = std::chrono::system_clock::to_time_t(now);
    if (second != convertedSecond) {
        std::tm tm{};
        localtime_r(&second, &tm);
        converted.local = FromTm(tm, 0);
        gmtime_r(&second, &tm);
        converted.utc = FromTm(tm, 0);
        convertedSecond = second;
    }
    const int ms = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    LocalAndUtc result = converted;
    result.local.millisecond = ms;
    result.utc.millisecond = ms;
    return result;
}

std::uint32_t SystemClock::ProcessId() const { return static_cast<std::uint32_t>(::getpid()); }

std::uint32_t FixedClock::TickCount() const {
    std::uint32_t now = tick;
    tick += tickStep;
    return now;
}

const Clock& GetClock() { return *Installed(); }

void InstallClock(std::unique_ptr<Clock> clock) {
    Installed() = clock ? std::move(clock) : std::make_unique<SystemClock>();
}

std::string FormatCTime(const DateTime& time) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::chrono::year_month_day date{std::chrono::year(time.year), std::chrono::month(time.month),
                                           std::chrono::day(time.day)};
    const unsigned weekday = std::chrono::weekday(std::chrono::sys_days(date)).c_encoding();
    const int month = time.month >= 1 && time.month <= 12 ? time.month - 1 : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%s %s %2d %02d:%02d:%02d %d", kDays[weekday % 7], kMonths[month], time.day,
                  time.hour, time.minute, time.second, time.year);
    return text;
}
