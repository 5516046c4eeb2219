#include "platform/UniqueId.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

#include "platform/AutomationDate.h"
#include "platform/Clock.h"
#include "platform/Random.h"

namespace {

constexpr int kBase = 67;

thread_local int fileGivenIdScopes = 0;

// The seven time digits of a local date and a UTC time of day.
void SpellTime(const DateTime& local, const DateTime& utc, char* digits) {
    double d = static_cast<double>(AutomationDay(std::chrono::year{local.year} / local.month / local.day) - 37000);
    double t = d * 86400000.0 + utc.hour * 3600000.0 + utc.minute * 60000.0 + utc.second * 1000.0 + utc.millisecond;
    // Seven digits cover about 192 years from 19 April 2001; a clock outside that span is
    // clamped so that every digit stays inside the alphabet.
    constexpr long long kLimit = 67LL * 67 * 67 * 67 * 67 * 67 * 67;
    if (!(t >= 0)) t = 0;
    if (t >= static_cast<double>(kLimit)) t = static_cast<double>(kLimit - 1);
    // A whole number of milliseconds, exact in a double: its digits by integer division.
    long long stamp = static_cast<long long>(t);
    for (int k = 6; k >= 0; --k) {
        digits[k] = kUniqueIdAlphabet[stamp % kBase];
        stamp /= kBase;
    }
}

}  // namespace

FileGivenIds::FileGivenIds() { ++fileGivenIdScopes; }

FileGivenIds::~FileGivenIds() { --fileGivenIdScopes; }

std::string MakeUniqueId() {
    if (fileGivenIdScopes > 0) {
        GetRandomUnit();
        return {};
    }
    return MakeTimeBasedId();
}

std::string MakeTimeBasedId() {
    const auto [local, utc] = GetClock().LocalAndUtcNow();
    // Ids made in one millisecond share their time digits: spelled once.
    using Stamp = std::array<int, 7>;
    const Stamp stamp{local.year, local.month, local.day, utc.hour, utc.minute, utc.second, utc.millisecond};
    thread_local std::optional<Stamp> spelledStamp;
    thread_local char timeDigits[7];
    if (stamp != spelledStamp) {
        SpellTime(local, utc, timeDigits);
        spelledStamp = stamp;
    }
    // Below 10^9, so five digits of base 67 hold it.
    auto r = static_cast<std::uint32_t>(GetRandomUnit() * 1000000000.0);

    char id[12];
    std::copy_n(timeDigits, 7, id);
    for (int k = 11; k >= 7; --k) {
        id[k] = kUniqueIdAlphabet[r % kBase];
        r /= kBase;
    }
    return {id, sizeof id};
}
