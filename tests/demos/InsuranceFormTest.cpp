#include <gtest/gtest.h>

#include <climits>

#include "demos/insurance/InsuranceForm.h"

using V = InsuranceValues;

TEST(InsuranceRules, Premiums) {
    struct Case {
        int vehicle, power, client, age, premium;
    };
    const Case cases[] = {
        {V::kMotorcycle, 24, V::kMale, 24, 60},
        {V::kMotorcycle, 25, V::kMale, 25, 100},
        {V::kMotorcycle, 500, V::kFemale, 22, 100},
        {V::kMotorcycle, -7, V::kFemale, 30, 50},  // negative power is the lowest band
        {V::kCar, 59, V::kMale, 30, 100},
        {V::kCar, 60, V::kFemale, 21, 240},
        {V::kCar, 60, V::kFemale, 22, 200},
        {V::kCar, 99, V::kMale, 24, 240},
        {V::kCar, 100, V::kMale, 30, 300},
        {V::kCar, 100, V::kFemale, 66, 360},  // over 65 pays the surcharge whoever drives
        {V::kVan, 59, V::kMale, 21, 240},
        {V::kVan, 99, V::kMale, 30, 400},
        {V::kVan, 100, V::kFemale, 65, 600},
        {V::kVan, 100, V::kMale, 24, 720},
        {7, 100, V::kMale, 30, 0},  // no such vehicle
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "vehicle " << c.vehicle << ", " << c.power
                                          << " HP, client " << c.client << ", age " << c.age);
        const PremiumOutcome outcome = CalculatePremium(c.vehicle, c.power, c.client, c.age);
        EXPECT_FALSE(outcome.refusal);
        EXPECT_EQ(outcome.premium, c.premium);
    }
}

TEST(InsuranceRules, AgeRefusals) {
    struct Case {
        int vehicle, age;
        const char* message;
    };
    const Case cases[] = {
        {V::kMotorcycle, 17, "Client too young!"},
        {V::kVan, 17, "Client too young!"},
        {V::kCar, INT_MIN, "Client too young!"},
        {V::kVan, 20, "Client too young for driving a van!"},
        {V::kVan, 66, "Client too old!"},
        {V::kVan, INT_MAX, "Client too old!"},
    };
    for (const Case& c : cases) {
        const PremiumOutcome outcome = CalculatePremium(c.vehicle, 50, V::kMale, c.age);
        ASSERT_TRUE(outcome.refusal) << c.age;
        EXPECT_EQ(*outcome.refusal, (DemoMessage{c.message, "Error"}));
    }
}

TEST(InsuranceRules, FormStartsAtZeroReadsNumbersLikeAtolAndKeepsThePremiumOnRefusal) {
    CInsuranceForm form;
    const InsuranceValues start = form.Values();
    EXPECT_EQ(start.vehicle, V::kMotorcycle);
    EXPECT_EQ(start.client, V::kMale);
    EXPECT_EQ(start.enginePower, "0");
    EXPECT_EQ(start.age, "0");
    EXPECT_EQ(start.premium, "");

    InsuranceValues entered = start;
    entered.vehicle = V::kVan;
    entered.enginePower = "99";
    entered.age = "30 years";
    EXPECT_FALSE(form.OnCalculate(entered));
    EXPECT_EQ(form.Values().premium, "400");
    EXPECT_EQ(form.Values().age, "30 years");  // the text stays as typed

    entered = form.Values();
    entered.age = "letters";
    const auto refusal = form.OnCalculate(entered);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "Client too young!");
    EXPECT_EQ(form.Values().premium, "400");

    entered.age = "99999999999";  // stops at the largest int, never wraps round to a young age
    const auto tooOld = form.OnCalculate(entered);
    ASSERT_TRUE(tooOld);
    EXPECT_EQ(tooOld->text, "Client too old!");
}
