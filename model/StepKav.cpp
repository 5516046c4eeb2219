#include "model/StepKav.h"

#include "platform/UniqueId.h"

CStepKav::CStepKav(int stepType, std::string name, std::string event, std::string commands, std::string description,
                   std::string input, std::string expectedResult, CWindowKav* startWindow, CWindowKav* destWindow,
                   int delay, const OwningList<CAttributeKav>* attributeSource, int criticality,
                   std::string resultValue)
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
