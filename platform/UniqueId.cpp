#include "platform/UniqueId.h"

#include <chrono>
#include <cmath>

#include "platform/AutomationDate.h"
#include "platform/Clock.h"
#include "platform/Random.h"

namespace {

constexpr int kBase = 67;

thread_local int fileGivenIdScopes = 0;

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
    const Clock& clock = GetClock();
    DateTime local = clock.LocalNow();
    DateTime utc = clock.UtcNow();

    double d = static_cast<double>(AutomationDay(std::chrono::year{local.year} / local.month / local.day) - 37000);
    double t = d * 86400000.0 + utc.hour * 3600000.0 + utc.minute * 60000.0 + utc.second * 1000.0 + utc.millisecond;
    // Seven digits cover about 192 years from 19 April 2001; a clock outside that span is
    // clamped so that every digit stays inside the alphabet.
    const double limit = std::pow(static_cast<double>(kBase), 7);
    if (!(t >= 0)) t = 0;
    if (t >= limit) t = limit - 1;

    std::string id;
    id.reserve(12);
    for (int k = 6; k >= 0; --k) {
        double power = std::pow(static_cast<double>(kBase), k);
        int digit = static_cast<int>(t / power);
        if (digit > kBase - 1) digit = kBase - 1;
        id += kUniqueIdAlphabet[digit];
        t = std::fmod(t, power);
    }
    long long r = static_cast<long long>(GetRandomUnit() * 1000000000.0);
    for (int k = 4; k >= 0; --k) {
        long long power = 1;
        for (int i = 0; i < k; ++i) power *= kBase;
        id += kUniqueIdAlphabet[r / power];
        r %= power;
    }
    return id;
}
