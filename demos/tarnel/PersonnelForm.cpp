#include "demos/tarnel/PersonnelForm.h"

#include "platform/TextUtil.h"

namespace {

PersonnelReply Refuse(std::string text, std::string caption, PersonnelControl focus) {
    return PersonnelReply{DemoMessage{std::move(text), std::move(caption)}, false, focus};
}

PersonnelReply NameMissing() {
    return Refuse("Name missing!", "Name Missing", PersonnelControl::Name);
}

}  // namespace

bool IsValidAge(std::string_view age) {
    if (age.empty()) return false;
    for (char c : age) {
        if (c < '0' || c > '9') return false;
    }
    return ParseLeadingInt(age) <= 999;  // saturates: a long digit string never wraps round
}

std::optional<PersonnelReply> CPersonnelForm::ValidateInput() const {
    const CPerson& v = values_;
    const bool female = v.sex == CPerson::kFemale;
    if (v.name.empty()) return NameMissing();
    if (!v.maidenName.empty() && v.sex == CPerson::kMale) {
        return Refuse("No maiden name for males!", "No Maiden Name for Males",
                      PersonnelControl::MaidenName);
    }
    if (!v.maidenName.empty() && female && v.maritalStatus == CPerson::kSingle) {
        return Refuse("No maiden name for single women!", "No Maiden Name for Single Women",
                      PersonnelControl::MaidenName);
    }
    if (v.maidenName.empty() && female && v.maritalStatus != CPerson::kSingle) {
        return Refuse("Maiden name missing!", "Maiden Name Missing", PersonnelControl::MaidenName);
    }
    if (v.profession.empty()) {
        return Refuse("Profession missing!", "Profession Missing", PersonnelControl::Profession);
    }
    if (v.phd && v.mba) {
        return Refuse("Academic degree cannot be both PhD and MBA!", "Wrong Academic Degree",
                      PersonnelControl::PhD);
    }
    if (!IsValidAge(v.age)) {
        return Refuse("The age must be a number between 0 and 999!", "Invalid Age",
                      PersonnelControl::Age);
    }
    return std::nullopt;
}

PersonnelReply CPersonnelForm::OnSave(const CPerson& entered) {
    values_ = entered;
    if (auto refusal = ValidateInput()) return *refusal;
    const auto found = store_.find(values_.name);
    if (found != store_.end()) {
        current_ = found->second;
        if (searched_ != 1) {
            return Refuse("Person already exists!", "Error", PersonnelControl::Name);
        }
        current_.maidenName = values_.maidenName;
        current_.profession = values_.profession;
        current_.age = values_.age;
        current_.phd = values_.phd;
        current_.mba = values_.mba;
        current_.sex = values_.sex;
        current_.maritalStatus = values_.maritalStatus;
        store_[current_.name] = current_;
    } else {
        store_[values_.name] = values_;
    }
    PersonnelReply reply = ClearForm();
    searched_ = 0;
    return reply;
}

PersonnelReply CPersonnelForm::OnSearch(const CPerson& entered) {
    values_ = entered;
    if (values_.name.empty()) {
        searched_ = 0;
        return NameMissing();
    }
    const auto found = store_.find(values_.name);
    if (found == store_.end()) {
        searched_ = 0;
        return Refuse("Person not found!", "Error", PersonnelControl::Name);
    }
    current_ = found->second;
    searched_ = 1;
    deleteEnabled_ = true;
    return ShowPerson();
}

PersonnelReply CPersonnelForm::OnDelete(const CPerson& entered) {
    values_ = entered;
    // The person found by the last search goes, whatever the name field says now.
    if (store_.erase(current_.name) == 0) return PersonnelReply{};
    PersonnelReply reply = ClearForm();
    searched_ = 0;
    return reply;
}

PersonnelReply CPersonnelForm::ShowPerson() {
    values_ = current_;
    return PersonnelReply{std::nullopt, true, PersonnelControl::Name};
}

PersonnelReply CPersonnelForm::ClearForm() {
    values_ = CPerson{};
    deleteEnabled_ = false;
    return PersonnelReply{std::nullopt, true, PersonnelControl::Name};
}
