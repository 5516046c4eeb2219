#pragma once
// The rules of the personnel dialog, without a window: the form values, the person store (for
// as long as the dialog lives) and the state of the last search.
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "demos/common/DemoMessage.h"
#include "demos/tarnel/Person.h"

// The controls a rule sends the input focus to.
enum class PersonnelControl { Name, MaidenName, Age, Profession, PhD };

// What the dialog does after a command, in this order: show the message, write the form values
// to the controls (when they changed), move the focus.
struct PersonnelReply {
    std::optional<DemoMessage> message;
    bool formChanged = false;
    std::optional<PersonnelControl> focus;
};

class CPersonnelForm {
public:
    // Each command takes the values just read from the controls.
    PersonnelReply OnSave(const CPerson& entered);
    PersonnelReply OnSearch(const CPerson& entered);
    PersonnelReply OnDelete(const CPerson& entered);

    const CPerson& Values() const { return values_; }
    bool DeleteEnabled() const { return deleteEnabled_; }
    const std::map<std::string, CPerson>& Store() const { return store_; }

private:
    std::optional<PersonnelReply> ValidateInput() const;
    PersonnelReply ClearForm();
    PersonnelReply ShowPerson();

    CPerson values_;
    std::map<std::string, CPerson> store_;  // names compared exactly
    int searched_ = 0;
    CPerson current_;
    bool deleteEnabled_ = false;
};

// Every character a decimal digit and the number from 0 to 999; however many digits there are,
// a larger number never wraps round into the range.
bool IsValidAge(std::string_view age);
