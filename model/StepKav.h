#pragma once
// The common base of task steps (type 1), window transitions (type 0) and the steps of
// generated test cases (type 2): where something happens, what happens, where the
// application ends up, and the step's conditions, actions and user-defined fields.
#include <string>

#include "model/ActionKav.h"
#include "model/AttributeKav.h"
#include "model/ConditionKav.h"
#include "model/StoreField.h"
#include "platform/ObjectList.h"

class CWindowKav;

enum StepType : int { kStepTransition = 0, kStepTask = 1, kStepTest = 2 };

class CStepKav {
public:
    CStepKav(const CStepKav&) = delete;
    CStepKav& operator=(const CStepKav&) = delete;
    virtual ~CStepKav() = default;

    int GetStepType() const { return stepType_; }

    OwningList<CConditionKav>& GetConditions() { return conditions_; }
    const OwningList<CConditionKav>& GetConditions() const { return conditions_; }
    OwningList<CActionKav>& GetActions() { return actions_; }
    const OwningList<CActionKav>& GetActions() const { return actions_; }
    OwningList<CAttributeKav>& GetAttributes() { return attributes_; }
    const OwningList<CAttributeKav>& GetAttributes() const { return attributes_; }

    // Replaces the attributes (deleting the previous ones) by a copy (new unique id, no file)
    // of every attribute of the source, in order.
    bool SetAttributes(const OwningList<CAttributeKav>& source);

    // Copies name, the five texts, both windows, delay, criticality and result value; the
    // lists, the ID and the window ID texts stay. Nothing happens for a null step.
    void CopyFieldsFrom(const CStepKav* step);
    // Empties the texts and the three lists, clears windows and delay; criticality becomes 2.
    void Clear();
    // Gives the step one attribute per step field definition, in definition order, keeping the
    // value of a field the step had (matched by unique id); other attributes go. A task step
    // that calls a sub-task keeps its parameters.
    void UpdateStepFields(const OwningList<CAttributeKav>& definitions);
    // The first attribute whose unique id (byId) or name equals the text without case, or null.
    CAttributeKav* FindAttribute(const std::string& text, bool byId) const;

    // Compares this step with a step as read from a project file: this step's references
    // against the other's reference texts. Defined for transitions and task steps.
    bool IsEqual(const CStepKav* other) const;

    // The event with every line feed removed.
    std::string GetEventWithoutLineFeeds() const;

    int GetX() const { return x_; }
    void SetX(int x) { x_ = x; }
    int GetY() const { return y_; }
    void SetY(int y) { y_ = y; }
    int GetRow() const { return row_; }
    void SetRow(int row) { row_ = row; }
    int GetColumn() const { return column_; }
    void SetColumn(int column) { column_ = column; }

    std::string GetId() const { return id_; }
    bool SetId(const std::string& id) { return StoreField(id_, id); }
    // Window ID texts as read from a project file, until the references are resolved.
    std::string GetStartWndId() const { return startWndId_; }
    bool SetStartWndId(const std::string& id) { return StoreField(startWndId_, id); }
    std::string GetDestWndId() const { return destWndId_; }
    bool SetDestWndId(const std::string& id) { return StoreField(destWndId_, id); }

    std::string GetName() const { return name_; }
    bool SetName(const std::string& name) { return StoreField(name_, name); }
    std::string GetEvent() const { return event_; }
    bool SetEvent(const std::string& event) { return StoreField(event_, event); }
    std::string GetCommands() const { return commands_; }
    bool SetCommands(const std::string& commands) { return StoreField(commands_, commands); }
    std::string GetDescription() const { return description_; }
    bool SetDescription(const std::string& description) { return StoreField(description_, description); }
    std::string GetInput() const { return input_; }
    bool SetInput(const std::string& input) { return StoreField(input_, input); }
    std::string GetExpectedResult() const { return expectedResult_; }
    bool SetExpectedResult(const std::string& result) { return StoreField(expectedResult_, result); }
    std::string GetResultValue() const { return resultValue_; }
    bool SetResultValue(const std::string& value) { return StoreField(resultValue_, value); }

    // The texts that passes over every step read, without a copy.
    const std::string& GetNameRef() const { return name_; }
    const std::string& GetEventRef() const { return event_; }
    const std::string& GetCommandsRef() const { return commands_; }
    const std::string& GetDescriptionRef() const { return description_; }
    const std::string& GetInputRef() const { return input_; }
    const std::string& GetExpectedResultRef() const { return expectedResult_; }
    const std::string& GetResultValueRef() const { return resultValue_; }

    CWindowKav* GetStartWindow() const { return startWindow_; }
    bool SetStartWindow(CWindowKav* window) { return StoreField(startWindow_, window); }
    CWindowKav* GetDestWindow() const { return destWindow_; }
    bool SetDestWindow(CWindowKav* window) { return StoreField(destWindow_, window); }
    int GetDelay() const { return delay_; }
    bool SetDelay(int delay) { return StoreField(delay_, delay); }
    // 0 "Negligible" to 4 "Catastrophic".
    int GetCriticality() const { return criticality_; }
    bool SetCriticality(int criticality) { return StoreField(criticality_, criticality); }

protected:
    // The subclass gives the step type. attributeSource, when given, fills the attributes as
    // SetAttributes does. Taking the texts by reference saves each one a move: the subclasses
    // pass on texts they were given by value.
    CStepKav(int stepType, std::string&& name, std::string&& event, std::string&& commands,
             std::string&& description, std::string&& input, std::string&& expectedResult, CWindowKav* startWindow,
             CWindowKav* destWindow, int delay, const OwningList<CAttributeKav>* attributeSource, int criticality,
             std::string&& resultValue);

    // The parts of a copy that transitions and task steps share: flag 1 the ID; copies of the
    // conditions, actions and attributes (same flags, so a copy that keeps identifiers keeps
    // the ids by which step fields are matched); flag 16 the window ID texts from the windows,
    // else flag 32 as they stand; flag 8 the windows themselves.
    void CopyStepPartsFrom(const CStepKav& source, int flags);

private:
    OwningList<CConditionKav> conditions_;
    OwningList<CActionKav> actions_;
    OwningList<CAttributeKav> attributes_;
    int x_ = 0, y_ = 0;
    int row_ = 0, column_ = 0;
    int stepType_;
    std::string id_;
    std::string startWndId_;
    std::string destWndId_;
    std::string name_;
    std::string event_;
    std::string commands_;
    std::string description_;
    std::string input_;
    std::string expectedResult_;
    CWindowKav* startWindow_;
    CWindowKav* destWindow_;
    int delay_;
    int criticality_;
    std::string resultValue_;
};
