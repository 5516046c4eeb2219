#pragma once
// The time and process services that identifiers, the random source, time-outs and dated
// output read. One injectable clock, so tests and benchmarks run with fixed values.
#include <cstdint>
#include <memory>
#include <string>

struct DateTime {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

struct LocalAndUtc {
    DateTime local;
    DateTime utc;
};

// The C library's fixed 24-character form, "Wed Jun 30 21:49:08 1993", without its line feed.
std::string FormatCTime(const DateTime& time);

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t TickCount() const = 0;  // milliseconds since an arbitrary start; wraps
    virtual DateTime LocalNow() const = 0;
    virtual DateTime UtcNow() const = 0;
    virtual std::uint32_t ProcessId() const = 0;
    // Both readings, local first; a clock may take them from one instant.
    virtual LocalAndUtc LocalAndUtcNow() const { return {LocalNow(), UtcNow()}; }
};

class SystemClock : public Clock {
public:
    std::uint32_t TickCount() const override;
    DateTime LocalNow() const override;
    DateTime UtcNow() const override;
    std::uint32_t ProcessId() const override;
    // Converts the time to local and UTC once a second only: identifiers read it for every
    // generated step, and a time-zone conversion costs more than the rest of an identifier.
    LocalAndUtc LocalAndUtcNow() const override;
};

// A clock that shows what it is told; every TickCount read can advance the tick by a step.
class FixedClock : public Clock {
public:
    std::uint32_t TickCount() const override;
    DateTime LocalNow() const override { return local; }
    DateTime UtcNow() const override { return utc; }
    std::uint32_t ProcessId() const override { return processId; }

    void Advance(std::uint32_t milliseconds) { tick += milliseconds; }

    mutable std::uint32_t tick = 0;
    std::uint32_t tickStep = 0;
    DateTime local;
    DateTime utc;
    std::uint32_t processId = 1;
};

const Clock& GetClock();
// Installs a clock; null restores the system clock.
void InstallClock(std::unique_ptr<Clock> clock);
