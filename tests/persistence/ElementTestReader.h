#pragma once
// A stand-in for the project's element dispatch in the tests of the element readers and
// writers: it runs the reader of each element and links what comes back to the enclosing
// object in the simplest way, without position checks or reference resolution, so that a
// test can read back what the writers wrote. A failing reader stops the parse. Elements whose
// placement the reader keeps state for go through its placing functions.
#include <memory>
#include <string>

#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/TestCase.h"
#include "model/TestScript.h"
#include "model/XMLElement.h"
#include "model/windows/TabControlKav.h"
#include "persistence/XMLDataManager.h"
#include "PersistenceFixture.h"
#include "platform/TextUtil.h"

class ElementTestReader : public CXMLDataManager {
public:
    void OnStartElement(const std::string& name, const XmlAttributeList&) override {
        if (!Dispatch(ToUpperText(name))) StopParser();
    }

    // The standard handlers, and an open tool-data element closes with its end tag.
    static XmlHandlers Handlers() {
        XmlHandlers handlers = StandardHandlers();
        handlers.end = [](CXMLDataManager& reader, const std::string& name) {
            if (EqualsNoCase(name, "XML_ELEMENT")) reader.CloseXmlElement();
            EndElement(reader, name);
        };
        return handlers;
    }

    CTaskKav* task = nullptr;
    CTaskStep* step = nullptr;
    CActionKav* action = nullptr;
    CDataSet* dataSet = nullptr;
    CDataField* field = nullptr;
    CDataEqClass* eqClass = nullptr;
    CDataRecord* record = nullptr;
    CDataEffect* effect = nullptr;
    CTestCase* testCase = nullptr;
    CTestStep* testStep = nullptr;
    CTestStepBBInfo* bbInfo = nullptr;
    CWindowKav* window = nullptr;
    CTransitionKav* transition = nullptr;

private:
    template <class T, class List>
    static T* Link(std::unique_ptr<T> object, List& list) {
        return object ? list.Add(object.release()) : nullptr;
    }
    static bool LinkText(const std::string& text, std::vector<std::string>& list) {
        if (text.empty()) return false;
        list.push_back(text);
        return true;
    }

    // Conditions and attributes of a data effect are single members.
    template <class T>
    static bool Set(std::unique_ptr<T> object, bool (CDataEffect::*setter)(T*), CDataEffect* owner) {
        return object && (owner->*setter)(object.release());
    }

    // The step that conditions, actions and field values of that parent belong to.
    CStepKav* StepOf(const std::string& parent) const {
        if (parent == "TRANS") return transition;
        if (parent == "TESTSTEP") return testStep;
        return step;
    }

    bool Dispatch(const std::string& name) {
        CApplicationKav& project = *GetCurrentProject();
        const std::string parent = ToUpperText(ParentElementName());
        CStepKav* owner = StepOf(parent);
        if (name == "KAVRO_DATA") return ReadRoot();
        if (name == "PROJECT") return ReadProject();
        if (name == "FILE") return Link(ReadFileEntry(), project.GetFiles());
        if (name == "CND") {
            if (parent == "DATAEFFECT") return Set(ReadCondition(), &CDataEffect::SetCondition, effect);
            return Link(ReadCondition(), parent == "PROJECT" ? project.GetMetaConditions() : owner->GetConditions());
        }
        if (name == "ATT") {
            if (parent == "DATAEFFECT") return Set(ReadAttribute(), &CDataEffect::SetAttribute, effect);
            return Link(ReadAttribute(), parent == "PROJECT"   ? project.GetAttributes()
                                         : parent == "TASK"    ? task->GetParameters()
                                         : parent == "DATASET" ? dataSet->GetAttributes()
                                         : parent == "BB_INFO" ? bbInfo->GetAttributes()
                                         : parent == "WND"     ? window->GetAttributes()
                                                               : owner->GetAttributes());
        }
        if (name == "USR_FIELD")
            return Link(ReadStepField(), parent == "PROJECT" ? project.GetStepFields() : owner->GetAttributes());
        if (name == "REQ") return Link(ReadRequirement(), project.GetRequirements());
        if (name == "TASK") return (task = Link(ReadTask(), project.GetTasks())) != nullptr;
        if (name == "TASKSTEP") return (step = Link(ReadTaskStep(), task->GetSteps())) != nullptr;
        if (name == "ACT") return (action = Link(ReadAction(), owner->GetActions())) != nullptr;
        if (name == "ARG") return Link(ReadArgument(), action->GetArguments());
        if (name == "CONNECT") return LinkText(ReadConnection(), step->GetSuccessorIds());
        if (name == "TASKREQ") return LinkText(ReadTaskRequirement(), task->GetRequirementIds());
        if (name == "DATASET") return (dataSet = Link(ReadDataSet(), project.GetDataSets())) != nullptr;
        if (name == "DATAFIELD") return (field = Link(ReadDataField(), dataSet->GetFields())) != nullptr;
        if (name == "EQCLASS") return (eqClass = Link(ReadEqClass(), field->GetEqClasses())) != nullptr;
        if (name == "DATARECORD") return (record = Link(ReadDataRecord(), dataSet->GetRecords())) != nullptr;
        if (name == "DATAEFFECT") {
            if (!(effect = Link(ReadDataEffect(), dataSet->GetEffects()))) return false;
            return effect->SetDataSet(dataSet);
        }
        if (name == "DATAVALUE") {
            std::string fieldId;
            std::string value = ReadDataValue(fieldId);
            if (parent == "EQCLASS")
                eqClass->GetRepresentativeValues().push_back(value);
            else
                record->GetValues()[fieldId] = value;
            return true;
        }
        if (name == "DATAEFFECTID") return LinkText(ReadEffectReference(), record->GetEffectIds());
        if (name == "TC") return (testCase = Link(ReadTestCase(), project.GetTestCases())) != nullptr;
        if (name == "TESTSTEP") return (testStep = Link(ReadTestStep(), testCase->GetSteps())) != nullptr;
        if (name == "BB_INFO") return (bbInfo = Link(ReadBuildingBlockInfo(), testStep->GetBBInfos())) != nullptr;
        if (name == "TS") return Link(ReadTestScript(), project.GetTestScripts());
        if (name == "WND") {
            ForgetOpenXmlElements();
            std::unique_ptr<CWindowKav> read = ReadWindow();
            if (!read || !project.GetWindowList().Add(read.get())) return false;
            window = read.release();
            return true;
        }
        if (name == "TABPAGE") {
            std::unique_ptr<CTabPage> page = ReadTabPage();
            return page && PlaceTabPage(std::move(page), parent, window);
        }
        if (name == "TRANS") {
            if (!(transition = Link(ReadTransition(), window->GetTransitions()))) return false;
            return transition->SetStartWindow(window);
        }
        if (name == "XML_ELEMENT") return PlaceXmlElement(ReadXmlElement(), parent, window);
        if (name == "XML_ATT") return PlaceXmlAttribute(ReadXmlAttribute(), parent);
        if (name == "GUIBUILDER") {
            GuiBuilderReading builder = ReadGuiBuilder();
            return builder && PlaceGuiBuilder(std::move(builder), parent);
        }
        if (name == "WNDCLASS") {
            std::unique_ptr<CWindowClass> windowClass = ReadWindowClass();
            return windowClass && PlaceWindowClass(std::move(windowClass), parent);
        }
        return true;
    }
};

// Reads element texts into a project of its own and writes model objects to text.
class ElementTest : public PersistenceTest {
protected:
    void SetUp() override {
        PersistenceTest::SetUp();
        reader_.SetCurrentProject(&loaded_);
    }

    // Parses the document from the file "read/in.xml" with the reader's version text set as
    // a root element read before would have left it.
    bool Read(const std::string& document, const std::string& versionText = "12.4",
              const XmlHandlers& handlers = ElementTestReader::Handlers()) {
        std::string path = WriteFile("read/in.xml", document);
        file_ = std::make_unique<CFileKav>("", path, path);
        reader_.SetVersionText(versionText);
        ClearGlobalMessage();
        return reader_.ParseFile(file_.get(), "UTF-8", handlers);
    }

    // The text that the writer call left in the builder, which is emptied.
    std::string Written() {
        std::string out;
        reader_.FlushDocument(false, out);
        return out;
    }

    ElementTestReader reader_;
    CApplicationKav loaded_{ProjectSettings{}};
    std::unique_ptr<CFileKav> file_;
};
