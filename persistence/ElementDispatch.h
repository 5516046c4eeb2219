#pragma once
// The dispatch of one starting element: which reader runs, where what it returns is linked
// (appended at the end of the named list, which owns it from then on) and what becomes current
// for the elements nested in it. The enclosing element decides: under any other one the
// element's position message ends the parse. Each handler returns false to stop the parse,
// with its message in the global buffer.
#include <memory>
#include <string>
#include <string_view>

#include "persistence/XMLDataManager.h"
#include "platform/ObjectList.h"

class VornakInterface;

class ElementDispatch {
public:
    // The element's name as written, and its name and its parent's in upper case; the parent is
    // "" for the root. All live while the dispatch runs.
    ElementDispatch(CXMLDataManager& reader, CApplicationKav& project, const std::string& writtenName,
                    std::string_view name, std::string_view parent);
    ElementDispatch(const ElementDispatch&) = delete;
    ElementDispatch& operator=(const ElementDispatch&) = delete;

    bool Run();

private:
    using Handler = bool (ElementDispatch::*)();
    static Handler FindHandler(std::string_view name);

    // Elements of project files.
    bool Root();
    bool Project();
    bool FileEntry();
    bool Condition();
    bool Attribute();
    bool StepField();
    bool Requirement();
    bool Task();
    bool TaskStep();
    bool Action();
    bool Argument();
    bool Connection();
    bool TaskRequirement();
    bool Window();
    bool TabPage();
    bool Transition();
    bool XmlElement();
    bool XmlAttribute();
    bool GuiBuilder();
    bool WindowClass();
    bool DataSet();
    bool DataField();
    bool EqClass();
    bool DataRecord();
    bool DataEffect();
    bool DataValue();
    bool EffectReference();
    bool TestCase();
    bool TestStep();
    bool BuildingBlockInfo();
    bool TestScript();
    // Elements of the messages and exchange data of VORNAK.
    bool InterfaceRoot();
    bool Command();
    bool CommandKind();
    bool LibraryEntry();
    bool ExchangeRoot();
    bool ExchangeText();
    bool TestPackage();
    // Elements of the installation's API-step template file.
    bool DriverDataRoot();
    bool DriverTemplate();
    bool DriverParameter();
    bool Unknown();

    bool Under(std::string_view parent) const { return parent_ == parent; }
    // The current object when the element stands under that parent, else null.
    template <class T>
    T* Under(std::string_view parent, T* current) const {
        return parent_ == parent ? current : nullptr;
    }
    // Stops with the message; a structure error of a message for the interface, when it exists.
    bool Fail(int message) const;
    bool FailAsStructureError(int message) const;
    // An element of an interface message where it may not stand [W1079].
    bool FailInMessage() const;
    // The elements of interface messages need the interface [W1078].
    VornakInterface* RequireInterface() const;
    // The file being read, as messages name it.
    std::string FilePath() const;

    // Appends what the reader returned (null: it has reported) to the list; a null list means
    // the element stands where it may not: its position message. The object placed, or null.
    template <class T, class Item>
    T* Append(std::unique_ptr<T> object, OwningList<Item>* list, int positionMessage) const {
        if (!object) return nullptr;
        if (!list) {
            Fail(positionMessage);
            return nullptr;
        }
        return static_cast<T*>(list->Add(object.release()));
    }

    CXMLDataManager& reader_;
    CXMLDataManager::CurrentObjects& current_;
    CApplicationKav& project_;
    const std::string& writtenName_;
    // Upper-case: names compare without case.
    const std::string_view name_;
    const std::string_view parent_;
};
