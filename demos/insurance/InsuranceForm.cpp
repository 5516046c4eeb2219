#include "demos/insurance/InsuranceForm.h"

#include "platform/TextUtil.h"

namespace {

int BasePremium(int vehicle, int power) {
    switch (vehicle) {
        case InsuranceValues::kMotorcycle: return power < 25 ? 50 : 100;
        case InsuranceValues::kCar: return power < 60 ? 100 : power < 100 ? 200 : 300;
        case InsuranceValues::kVan: return power < 60 ? 200 : power < 100 ? 400 : 600;
        default: return 0;
    }
}

bool HasSurcharge(int client, int age) {
    return (client == InsuranceValues::kMale && age < 25) ||
           (client == InsuranceValues::kFemale && age < 22) || age > 65;
}

PremiumOutcome Refuse(const char* text) {
    return PremiumOutcome{0, DemoMessage{text, "Error"}};
}

}  // namespace

PremiumOutcome CalculatePremium(int vehicle, int enginePower, int client, int age) {
    if (age < 18) return Refuse("Client too young!");
    if (vehicle == InsuranceValues::kVan && age <= 20) {
        return Refuse("Client too young for driving a van!");
    }
    if (vehicle == InsuranceValues::kVan && age > 65) return Refuse("Client too old!");
    int premium = BasePremium(vehicle, enginePower);
    if (HasSurcharge(client, age)) premium = premium * 120 / 100;
    return PremiumOutcome{premium, std::nullopt};
}

std::optional<DemoMessage> CInsuranceForm::OnCalculate(const InsuranceValues& entered) {
    values_ = entered;
    const PremiumOutcome outcome =
        CalculatePremium(values_.vehicle, ParseLeadingInt(values_.enginePower), values_.client,
                         ParseLeadingInt(values_.age));
    if (outcome.refusal) return outcome.refusal;
    values_.premium = std::to_string(outcome.premium);
    return std::nullopt;
}
