#pragma once
// API-step templates: the test-driver functions that an API step may call, with their
// parameters. They come from the installation's template file, are read once at start-up
// into one list of the process, and keep the file's order, which is the order the step
// editor offers them in.
#include <string>
#include <string_view>

#include "platform/ObjectList.h"

class CDovaParameter {
public:
    CDovaParameter(std::string name, std::string defaultValue, bool optional, bool fixedValue, std::string helpText);
    CDovaParameter(const CDovaParameter&) = delete;
    CDovaParameter& operator=(const CDovaParameter&) = delete;
    virtual ~CDovaParameter() = default;

    const std::string& GetName() const { return name_; }
    const std::string& GetDefaultValue() const { return defaultValue_; }
    bool IsOptional() const { return optional_; }
    // The default value cannot be changed in the step.
    bool IsFixedValue() const { return fixedValue_; }
    const std::string& GetHelpText() const { return helpText_; }

private:
    std::string name_;
    std::string defaultValue_;
    bool optional_;
    bool fixedValue_;
    std::string helpText_;
};

class CDovaTemplate {
public:
    CDovaTemplate(std::string name, std::string instruction, bool allowNewParameters, std::string helpText);
    CDovaTemplate(const CDovaTemplate&) = delete;
    CDovaTemplate& operator=(const CDovaTemplate&) = delete;
    virtual ~CDovaTemplate() = default;

    const std::string& GetName() const { return name_; }
    const std::string& GetInstruction() const { return instruction_; }
    // The user may add parameters that the template does not list.
    bool AllowsNewParameters() const { return allowNewParameters_; }
    const std::string& GetHelpText() const { return helpText_; }
    OwningList<CDovaParameter>& GetParameters() { return parameters_; }
    const OwningList<CDovaParameter>& GetParameters() const { return parameters_; }

    // The first parameter of that name, without regard to case; null when none.
    CDovaParameter* FindParameter(std::string_view name) const;

private:
    OwningList<CDovaParameter> parameters_;
    std::string name_;
    std::string instruction_;
    bool allowNewParameters_;
    std::string helpText_;
};

class CDovaTemplateList : public OwningList<CDovaTemplate> {
public:
    // The first template of that name, without regard to case; null when none.
    CDovaTemplate* FindTemplate(std::string_view name) const;
};

// The templates of the process; empty until the template file has been read.
CDovaTemplateList& GetDovaTemplateList();
