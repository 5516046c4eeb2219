#pragma once
// A GUI builder: one GUI technology of applications under test, referred to by its GuiID, with
// the window classes that map its toolkit's class names to window types. Predefined builders
// and classes come from the installation; user-defined ones belong to a project file.
#include <string>

#include "model/KavroObj.h"
#include "model/StoreField.h"
#include "model/WindowClass.h"
#include "platform/ObjectList.h"

class CGUIBuilder : public CKavroObj {
public:
    CGUIBuilder(std::string name, int guiId, int preDef);

    // In the order read or added; owned.
    OwningList<CWindowClass>& GetWindowClasses() { return windowClasses_; }
    const OwningList<CWindowClass>& GetWindowClasses() const { return windowClasses_; }

    std::string GetId() const { return id_; }
    bool SetId(const std::string& id) { return StoreField(id_, id); }
    std::string GetName() const { return name_; }
    bool SetName(const std::string& name) { return StoreField(name_, name); }
    int GetGuiID() const { return guiId_; }
    bool SetGuiID(int guiId) { return StoreField(guiId_, guiId); }
    bool IsPreDef() const { return preDef_ != 0; }
    // Set by the builder editor when it changed the builder's name or classes.
    int GetChanged() const { return changed_; }
    void SetChanged(int changed) { changed_ = changed; }

    // The name of the first class of that base type marked default, else of the first class of
    // that type, else "".
    std::string GetClassNameForType(int type) const;
    // Whether a class is not predefined.
    bool HasUserDefinedClasses() const;
    // The first class whose pattern matches the class name, or null.
    CWindowClass* FindWindowClass(std::string_view className) const;
    // Makes the class, which must be one of this builder's, the only default of its base type.
    bool SetDefaultClass(const CWindowClass* windowClass);
    // A new builder with the same name, GuiID and kind and copies of the classes, in order, by
    // the model's clone flags: 1 keeps the unique identifiers of builder and classes, 2 the
    // owning file, 16 or 32 the owning file's identifier text.
    CGUIBuilder* Copy(int flags) const;

private:
    OwningList<CWindowClass> windowClasses_;
    int changed_ = 0;
    std::string id_;
    std::string name_;
    int guiId_;
    int preDef_;
};
