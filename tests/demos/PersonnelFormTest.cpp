#include <gtest/gtest.h>

#include "demos/tarnel/PersonnelForm.h"

namespace {

CPerson Person(std::string name, int sex, int marital, std::string maidenName = "",
               std::string age = "40") {
    CPerson p;
    p.name = std::move(name);
    p.sex = sex;
    p.maritalStatus = marital;
    p.maidenName = std::move(maidenName);
    p.profession = "worker";
    p.age = std::move(age);
    return p;
}

CPerson Smith() {
    return Person("Smith", CPerson::kMale, CPerson::kMarried);
}

std::string MessageOf(const PersonnelReply& reply) {
    return reply.message ? reply.message->text : "";
}

}  // namespace

TEST(PersonnelRules, FirstFailingRuleGivesItsMessageCaptionAndFocus) {
    struct Case {
        const char* what;
        CPerson entered;
        DemoMessage message;
        PersonnelControl focus;
    };
    CPerson noProfession = Smith();
    noProfession.profession.clear();
    CPerson bothDegrees = Smith();
    bothDegrees.phd = bothDegrees.mba = 1;
    CPerson everythingWrong = Person("", CPerson::kMale, CPerson::kSingle, "Jones", "x");
    everythingWrong.profession.clear();
    const Case cases[] = {
        {"no name", everythingWrong, {"Name missing!", "Name Missing"}, PersonnelControl::Name},
        {"male with maiden name",
         Person("Smith", CPerson::kMale, CPerson::kMarried, "Jones"),
         {"No maiden name for males!", "No Maiden Name for Males"},
         PersonnelControl::MaidenName},
        {"single woman with maiden name",
         Person("Ann", CPerson::kFemale, CPerson::kSingle, "Jones"),
         {"No maiden name for single women!", "No Maiden Name for Single Women"},
         PersonnelControl::MaidenName},
        {"widow without maiden name",
         Person("Ann", CPerson::kFemale, CPerson::kWidowed),
         {"Maiden name missing!", "Maiden Name Missing"},
         PersonnelControl::MaidenName},
        {"no profession",
         noProfession,
         {"Profession missing!", "Profession Missing"},
         PersonnelControl::Profession},
        {"PhD and MBA",
         bothDegrees,
         {"Academic degree cannot be both PhD and MBA!", "Wrong Academic Degree"},
         PersonnelControl::PhD},
        {"bad age",
         Person("Smith", CPerson::kMale, CPerson::kMarried, "", "1a"),
         {"The age must be a number between 0 and 999!", "Invalid Age"},
         PersonnelControl::Age},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPersonnelForm form;
        const PersonnelReply reply = form.OnSave(c.entered);
        ASSERT_TRUE(reply.message);
        EXPECT_EQ(*reply.message, c.message);
        EXPECT_EQ(reply.focus, c.focus);
        EXPECT_FALSE(reply.formChanged);
        EXPECT_EQ(form.Values(), c.entered);  // the form keeps what was typed
        EXPECT_TRUE(form.Store().empty());
    }
}

TEST(PersonnelRules, AcceptedPeopleAreStoredAndTheFormCleared) {
    const CPerson accepted[] = {
        Smith(),  // a married man needs no maiden name
        Person("Ann", CPerson::kFemale, CPerson::kSingle),
        Person("Eve", CPerson::kFemale, CPerson::kDivorced, "Miller"),
    };
    CPersonnelForm form;
    for (const CPerson& person : accepted) {
        CPerson entered = person;
        entered.profession = "astronaut";  // not in the list, still accepted
        const PersonnelReply reply = form.OnSave(entered);
        EXPECT_FALSE(reply.message) << MessageOf(reply);
        EXPECT_TRUE(reply.formChanged);
        EXPECT_EQ(reply.focus, PersonnelControl::Name);
        EXPECT_EQ(form.Values(), CPerson{});
        EXPECT_EQ(form.Store().at(person.name), entered);
    }
    EXPECT_EQ(form.Store().size(), 3u);
}

TEST(PersonnelRules, AgeIsADigitStringUpTo999) {
    for (const char* age : {"0", "999", "42", "000042", "0000000000000000000999"}) {
        EXPECT_TRUE(IsValidAge(age)) << age;
    }
    // "4294967296" and "4294968295" are what a 32-bit read would take for 0 and 999.
    for (const char* age : {"1000", "-1", "1a", " 1", "1 ", "", "+1", "4294967296", "4294968295",
                            "99999999999999999999999999"}) {
        EXPECT_FALSE(IsValidAge(age)) << '"' << age << '"';
    }
}

TEST(PersonnelRules, SavingAKnownNameWithoutSearchIsRefused) {
    CPersonnelForm form;
    form.OnSave(Smith());
    CPerson again = Smith();
    again.age = "50";
    const PersonnelReply reply = form.OnSave(again);
    ASSERT_TRUE(reply.message);
    EXPECT_EQ(*reply.message, (DemoMessage{"Person already exists!", "Error"}));
    EXPECT_EQ(reply.focus, PersonnelControl::Name);
    EXPECT_EQ(form.Values(), again);
    EXPECT_EQ(form.Store().at("Smith").age, "40");
}

TEST(PersonnelRules, SearchShowsThePersonAndSaveThenUpdatesIt) {
    CPersonnelForm form;
    form.OnSave(Smith());
    CPerson query;
    query.name = "Smith";
    const PersonnelReply found = form.OnSearch(query);
    EXPECT_FALSE(found.message);
    EXPECT_TRUE(found.formChanged);
    EXPECT_EQ(found.focus, PersonnelControl::Name);
    EXPECT_EQ(form.Values(), Smith());
    EXPECT_TRUE(form.DeleteEnabled());

    CPerson changed = form.Values();
    changed.age = "41";
    const PersonnelReply saved = form.OnSave(changed);
    EXPECT_FALSE(saved.message) << MessageOf(saved);
    EXPECT_EQ(form.Store().at("Smith"), changed);
    EXPECT_EQ(form.Values(), CPerson{});
    EXPECT_FALSE(form.DeleteEnabled());

    // The search was used up by the save.
    EXPECT_EQ(MessageOf(form.OnSave(changed)), "Person already exists!");
}

TEST(PersonnelRules, SearchFailures) {
    CPersonnelForm form;
    form.OnSave(Smith());
    CPerson query;
    query.name = "Smith";
    form.OnSearch(query);  // Delete is enabled from here on

    query.name = "smith";  // names are case-sensitive
    const PersonnelReply notFound = form.OnSearch(query);
    ASSERT_TRUE(notFound.message);
    EXPECT_EQ(*notFound.message, (DemoMessage{"Person not found!", "Error"}));
    EXPECT_EQ(notFound.focus, PersonnelControl::Name);
    EXPECT_FALSE(notFound.formChanged);
    EXPECT_TRUE(form.DeleteEnabled());  // keeps its state from before

    query.name.clear();
    const PersonnelReply noName = form.OnSearch(query);
    ASSERT_TRUE(noName.message);
    EXPECT_EQ(*noName.message, (DemoMessage{"Name missing!", "Name Missing"}));

    // Either failure ends the search: saving the stored name is refused again.
    EXPECT_EQ(MessageOf(form.OnSave(Smith())), "Person already exists!");
}

TEST(PersonnelRules, DeleteRemovesThePersonFoundNotTheNameTyped) {
    CPersonnelForm form;
    form.OnSave(Smith());
    form.OnSave(Person("Jones", CPerson::kMale, CPerson::kSingle));
    CPerson query;
    query.name = "Smith";
    form.OnSearch(query);

    CPerson typed = form.Values();
    typed.name = "Jones";
    const PersonnelReply reply = form.OnDelete(typed);
    EXPECT_FALSE(reply.message);
    EXPECT_TRUE(reply.formChanged);
    EXPECT_EQ(form.Store().count("Smith"), 0u);
    EXPECT_EQ(form.Store().count("Jones"), 1u);
    EXPECT_EQ(form.Values(), CPerson{});
    EXPECT_FALSE(form.DeleteEnabled());

    // Nothing left to remove: the form stays as typed.
    const PersonnelReply again = form.OnDelete(typed);
    EXPECT_FALSE(again.formChanged);
    EXPECT_FALSE(again.focus);
    EXPECT_EQ(form.Values(), typed);
}
