#pragma once
// One building block (task) that a generated test step lies in: its texts as they were when
// the test case was generated, its nesting depth and copies of its parameters.
#include <string>

#include "model/AttributeKav.h"
#include "model/StoreField.h"
#include "platform/ObjectList.h"

class CTestStepBBInfo {
public:
    CTestStepBBInfo(std::string name, std::string dapiId, std::string testGoal, std::string configuration,
                    std::string precondition, std::string description, std::string postcondition, int depth,
                    std::string hierarchy);
    CTestStepBBInfo(const CTestStepBBInfo&) = delete;
    CTestStepBBInfo& operator=(const CTestStepBBInfo&) = delete;
    virtual ~CTestStepBBInfo() = default;

    OwningList<CAttributeKav>& GetAttributes() { return attributes_; }
    const OwningList<CAttributeKav>& GetAttributes() const { return attributes_; }

    std::string GetId() const { return id_; }
    bool SetId(const std::string& id) { return StoreField(id_, id); }
    std::string GetName() const { return name_; }
    std::string GetDapiId() const { return dapiId_; }
    std::string GetTestGoal() const { return testGoal_; }
    std::string GetConfiguration() const { return configuration_; }
    std::string GetPrecondition() const { return precondition_; }
    std::string GetDescription() const { return description_; }
    std::string GetPostcondition() const { return postcondition_; }
    int GetDepth() const { return depth_; }
    // The object path of the building block.
    std::string GetHierarchy() const { return hierarchy_; }
    // Carried along by copies, never stored in a project file.
    std::string GetNote() const { return note_; }
    bool SetNote(const std::string& note) { return StoreField(note_, note); }

    // A copy of the texts, the depth and the note, with clones of the attributes; flag 1 keeps
    // the unique identifier.
    CTestStepBBInfo* Clone(int flags) const;

private:
    OwningList<CAttributeKav> attributes_;
    std::string id_;
    std::string name_;
    std::string dapiId_;
    std::string testGoal_;
    std::string configuration_;
    std::string precondition_;
    std::string description_;
    std::string postcondition_;
    int depth_;
    std::string hierarchy_;
    std::string note_;
};
