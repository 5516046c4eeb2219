#include "model/DovaTemplate.h"

#include "platform/TextUtil.h"

CDovaParameter::CDovaParameter(std::string name, std::string defaultValue, bool optional, bool fixedValue,
                               std::string helpText)
    : name_(std::move(name)), defaultValue_(std::move(defaultValue)), optional_(optional), fixedValue_(fixedValue),
      helpText_(std::move(helpText)) {}

CDovaTemplate::CDovaTemplate(std::string name, std::string instruction, bool allowNewParameters, std::string helpText)
    : name_(std::move(name)), instruction_(std::move(instruction)), allowNewParameters_(allowNewParameters),
      helpText_(std::move(helpText)) {}

CDovaParameter* CDovaTemplate::FindParameter(std::string_view name) const {
    return parameters_.FindIf([&](const CDovaParameter* parameter) { return EqualsNoCase(parameter->GetName(), name); });
}

CDovaTemplate* CDovaTemplateList::FindTemplate(std::string_view name) const {
    return FindIf([&](const CDovaTemplate* dovaTemplate) { return EqualsNoCase(dovaTemplate->GetName(), name); });
}

CDovaTemplateList& GetDovaTemplateList() {
    static CDovaTemplateList templates;
    return templates;
}
