#include "model/StepKav.h"

#include <algorithm>

#include "model/CloneFlags.h"
#include "model/TaskStep.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"
#include "platform/UniqueId.h"

CStepKav::CStepKav(int stepType, std::string&& name, std::string&& event, std::string&& commands,
                   std::string&& description, std::string&& input, std::string&& expectedResult,
                   CWindowKav* startWindow, CWindowKav* destWindow, int delay,
                   const OwningList<CAttributeKav>* attributeSource, int criticality, std::string&& resultValue)
    : stepType_(stepType),
      id_(MakeUniqueId()),
      name_(std::move(name)),
      event_(std::move(event)),
      commands_(std::move(commands)),
      description_(std::move(description)),
      input_(std::move(input)),
      expectedResult_(std::move(expectedResult)),
      startWindow_(startWindow),
      destWindow_(destWindow),
      delay_(delay),
      criticality_(criticality),
      resultValue_(std::move(resultValue)) {
    if (attributeSource) SetAttributes(*attributeSource);
}

bool CStepKav::SetAttributes(const OwningList<CAttributeKav>& source) {
    attributes_.DeleteAll();
    for (const CAttributeKav* attribute : source) attributes_.Add(attribute->Clone(0));
    return true;
}

void CStepKav::CopyFieldsFrom(const CStepKav* step) {
    if (!step) return;
    name_ = step->name_;
    event_ = step->event_;
    commands_ = step->commands_;
    description_ = step->description_;
    input_ = step->input_;
    expectedResult_ = step->expectedResult_;
    startWindow_ = step->startWindow_;
    destWindow_ = step->destWindow_;
    delay_ = step->delay_;
    criticality_ = step->criticality_;
    resultValue_ = step->resultValue_;
}

void CStepKav::Clear() {
    name_.clear();
    event_.clear();
    commands_.clear();
    description_.clear();
    input_.clear();
    expectedResult_.clear();
    startWindow_ = nullptr;
    destWindow_ = nullptr;
    delay_ = 0;
    criticality_ = 2;
    resultValue_.clear();
    conditions_.DeleteAll();
    actions_.DeleteAll();
    attributes_.DeleteAll();
}

void CStepKav::UpdateStepFields(const OwningList<CAttributeKav>& definitions) {
    if (stepType_ == kStepTask && static_cast<const CTaskStep*>(this)->GetSubTask()) return;
    OwningList<CAttributeKav> fields;
    for (const CAttributeKav* definition : definitions) {
        CAttributeKav* field = fields.Add(definition->Clone(kCloneKeepId));
        if (const CAttributeKav* current = FindAttribute(field->GetId(), true)) field->SetValue(current->GetValue());
    }
    attributes_ = std::move(fields);
}

CAttributeKav* CStepKav::FindAttribute(const std::string& text, bool byId) const {
    return attributes_.FindIf(
        [&](const CAttributeKav* a) { return EqualsNoCase(byId ? a->GetId() : a->GetName(), text); });
}

std::string CStepKav::GetEventWithoutLineFeeds() const {
    std::string event = event_;
    std::erase(event, '\n');
    return event;
}

void CStepKav::CopyStepPartsFrom(const CStepKav& source, int flags) {
    if (flags & kCloneKeepId) id_ = source.id_;
    for (const CConditionKav* condition : source.conditions_) conditions_.Add(condition->Clone(flags));
    for (const CActionKav* action : source.actions_) actions_.Add(action->Clone(flags));
    for (const CAttributeKav* attribute : source.attributes_) attributes_.Add(attribute->Clone(flags));
    if (flags & kCloneTextsFromObjects) {
        if (source.startWindow_) startWndId_ = source.startWindow_->GetInternalID();
        if (source.destWindow_) destWndId_ = source.destWindow_->GetInternalID();
    } else if (flags & kCloneTextsAsStored) {
        startWndId_ = source.startWndId_;
        destWndId_ = source.destWndId_;
    }
    if (flags & kCloneKeepReferences) {
        startWindow_ = source.startWindow_;
        destWindow_ = source.destWindow_;
    }
}
