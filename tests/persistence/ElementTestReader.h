#pragma once
// A stand-in for the project's element dispatch in the tests of the element readers and
// writers: it runs the reader of each element and links what comes back to the enclosing
// object in the simplest way, without position checks or reference resolution, so that a
// test can read back what the writers wrote. A failing reader stops the parse.
#include <memory>
#include <string>

#include "model/ApplicationKav.h"
#include "persistence/XMLDataManager.h"
#include "PersistenceFixture.h"
#include "platform/TextUtil.h"

class ElementTestReader : public CXMLDataManager {
public:
    void OnStartElement(const std::string& name, const XmlAttributeList&) override {
        if (!Dispatch(ToUpperText(name))) StopParser();
    }

    CTaskKav* task = nullptr;
    CTaskStep* step = nullptr;
    CActionKav* action = nullptr;

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

    bool Dispatch(const std::string& name) {
        CApplicationKav& project = *GetCurrentProject();
        const std::string parent = ToUpperText(ParentElementName());
        if (name == "KAVRO_DATA") return ReadRoot();
        if (name == "PROJECT") return ReadProject();
        if (name == "FILE") return Link(ReadFileEntry(), project.GetFiles());
        if (name == "CND") return Link(ReadCondition(), parent == "PROJECT" ? project.GetMetaConditions() : step->GetConditions());
        if (name == "ATT")
            return Link(ReadAttribute(), parent == "PROJECT" ? project.GetAttributes()
                                         : parent == "TASK"  ? task->GetParameters()
                                                             : step->GetAttributes());
        if (name == "USR_FIELD")
            return Link(ReadStepField(), parent == "PROJECT" ? project.GetStepFields() : step->GetAttributes());
        if (name == "REQ") return Link(ReadRequirement(), project.GetRequirements());
        if (name == "TASK") return (task = Link(ReadTask(), project.GetTasks())) != nullptr;
        if (name == "TASKSTEP") return (step = Link(ReadTaskStep(), task->GetSteps())) != nullptr;
        if (name == "ACT") return (action = Link(ReadAction(), step->GetActions())) != nullptr;
        if (name == "ARG") return Link(ReadArgument(), action->GetArguments());
        if (name == "CONNECT") return LinkText(ReadConnection(), step->GetSuccessorIds());
        if (name == "TASKREQ") return LinkText(ReadTaskRequirement(), task->GetRequirementIds());
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
              const XmlHandlers& handlers = CXMLDataManager::StandardHandlers()) {
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
