#pragma once
// One designator with the value that generation assumes for it at a point of a test case.
#include <string>

class CVariable {
public:
    // source: what produced the value (during a satisfying-value search the condition node
    // that set it; null for values set by test case generation); never dereferenced here.
    CVariable(std::string name, int type, std::string values, std::string actionName, const void* source = nullptr)
        : name_(std::move(name)),
          type_(type),
          actionName_(std::move(actionName)),
          source_(source),
          values_(std::move(values)) {}
    virtual ~CVariable() = default;

    // The designator text without its "#" signs; lookups compare it without case.
    const std::string& GetName() const { return name_; }
    int GetType() const { return type_; }
    // The predefined action that set the value ("OpenWindow", "SetInputField", ...).
    const std::string& GetActionName() const { return actionName_; }
    const void* GetSource() const { return source_; }
    // May hold several lines separated by line feeds.
    const std::string& GetValues() const { return values_; }
    void SetValues(const std::string& values) { values_ = values; }
    // The values with every line feed removed; carriage returns stay.
    std::string GetValuesOneLine() const;

private:
    std::string name_;
    int type_;
    std::string actionName_;
    const void* source_;
    std::string values_;
};
