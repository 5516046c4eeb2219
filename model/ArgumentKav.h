#pragma once
// One numbered, typed argument of an action; the value is the text the user wrote.
#include <string>

class CArgumentKav {
public:
    // An argument read from a project: no name and value type 0 until the catalogue names it.
    CArgumentKav(int number, std::string value) : number_(number), value_(std::move(value)) {}
    CArgumentKav(int number, std::string name, int valueType, std::string value = {})
        : number_(number), name_(std::move(name)), valueType_(valueType), value_(std::move(value)) {}
    virtual ~CArgumentKav() = default;

    int GetNumber() const { return number_; }
    std::string GetName() const { return name_; }
    bool SetName(const std::string& name) {
        name_ = name;
        return true;
    }
    int GetValueType() const { return valueType_; }
    bool SetValueType(int valueType) {
        valueType_ = valueType;
        return true;
    }
    std::string GetValue() const { return value_; }
    bool SetValue(const std::string& value) {
        value_ = value;
        return true;
    }

private:
    int number_;
    std::string name_;
    int valueType_ = 0;
    std::string value_;
};
