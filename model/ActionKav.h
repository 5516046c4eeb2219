#pragma once
// One action of a step: a predefined operation, identified by its action number, with its
// arguments in order.
#include <string>

#include "model/ArgumentKav.h"
#include "platform/ObjectList.h"

class CActionKav {
public:
    // A catalogue entry: no unique id, no catalogue lookup.
    CActionKav(int number, std::string name);
    CActionKav(const CActionKav&) = delete;
    CActionKav& operator=(const CActionKav&) = delete;
    virtual ~CActionKav() = default;

    std::string GetId() const { return id_; }
    void SetId(const std::string& id) { id_ = id; }
    int GetNumber() const { return number_; }
    std::string GetName() const { return name_; }
    bool SetName(const std::string& name) {
        name_ = name;
        return true;
    }

    OwningList<CArgumentKav>& GetArguments() { return arguments_; }
    const OwningList<CArgumentKav>& GetArguments() const { return arguments_; }

private:
    OwningList<CArgumentKav> arguments_;
    std::string id_;
    int number_;
    std::string name_;
};
