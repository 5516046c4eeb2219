#pragma once
// The rules of the insurance premium dialog, without a window: the values exchanged with its
// controls and the calculation of the premium.
#include <optional>
#include <string>

#include "demos/common/DemoMessage.h"

struct InsuranceValues {
    static constexpr int kMotorcycle = 0;
    static constexpr int kCar = 1;
    static constexpr int kVan = 2;
    static constexpr int kMale = 0;
    static constexpr int kFemale = 1;

    std::string age = "0";
    int vehicle = kMotorcycle;
    std::string enginePower = "0";
    int client = kMale;
    std::string premium;

    bool operator==(const InsuranceValues&) const = default;
};

// The premium, or the message that refuses the calculation.
struct PremiumOutcome {
    int premium = 0;
    std::optional<DemoMessage> refusal;
};

PremiumOutcome CalculatePremium(int vehicle, int enginePower, int client, int age);

class CInsuranceForm {
public:
    // Takes the values just read from the controls; power and age are read as atol reads them
    // (a text without leading digits counts as 0). On success the premium text is filled in
    // and every value goes back to the controls; a refusal leaves the premium as it was.
    std::optional<DemoMessage> OnCalculate(const InsuranceValues& entered);

    const InsuranceValues& Values() const { return values_; }

private:
    InsuranceValues values_;
};
