#pragma once
// What the readers of outside tools' object repositories share: they read the repository's XML
// through the project reader's parse with element handlers of their own, make a window per
// object of the repository (RepositoryWindowFactory.h), link each to the window of the object
// it lies in, and keep the object's element with what lies inside it as the window's tool data.
// A line per window goes to the message log.
//
// The windows pass to whoever empties CreatedWindows; the reader never deletes one. Each parse
// starts with nothing open, so no pointer of an earlier parse, whose windows may be gone by
// then, is used again.
#include <new>
#include <string>
#include <vector>

#include "conversion/framework/RepositoryReader.h"
#include "persistence/XMLDataManager.h"

class CXMLElement;

class CXMLDataRepository : public CXMLDataManager, public RepositoryReader {
public:
    void SetMessageLog(MessageLog* log) override { CXMLDataManager::SetMessageLog(log); }
    void ClearParentStack() override { parentStack_.clear(); }
    std::vector<CWindowKav*>& CreatedWindows() override { return createdWindows_; }
    int ParseRepository(CFileKav& file, const std::string& encoding) override;

    // A new element of the name with the attributes of the element being started (none outside
    // OnStartElement), in document order, for the caller to own.
    CXMLElement* CreateToolDataElement(const std::string& name) const;

    // The text of a leaf element becomes the value of the open tool-data element it belongs to.
    void OnEndElement(const std::string& name, const std::string& text) override;

    // The element handlers of a repository parse. The start of an element that opens a scope of
    // tool data empties the element stack; an element's end closes what it opened.
    static void StartElementCallback(CXMLDataManager& reader, const std::string& name,
                                     const XmlAttributeList& attributes);
    static void EndElementCallback(CXMLDataManager& reader, const std::string& name);
    static void CharacterDataCallback(CXMLDataManager& reader, std::string_view text);

protected:
    // The element within which tool data is kept (an object, an app folder).
    virtual bool OpensToolDataScope(const std::string& name) const = 0;
    // The elements that make windows and lists of windows rather than tool data; their text is
    // no value.
    virtual bool IsStructuralElement(const std::string& name) const = 0;
    // What the end of a structural element closes.
    virtual void CloseStructuralElement(const std::string& name) = 0;
    // A leaf's text as the tool keeps it.
    virtual std::string ElementValue(const std::string& text) const { return text; }
    // No scope, window or element open: called before and after every parse.
    void ForgetOpenObjects();

    // The window of the type and builder, or of an unknown key: a custom window of no builder,
    // after "WARNING: Unknown class ..." [W1191] naming the key in the log (the text does not
    // stay in the message buffer, so a later parse error still reports itself).
    CWindowKav* MakeWindow(const std::string& key, bool known, int type, int guiId) const;
    // The window made for the element being started: appended to CreatedWindows with the
    // element as its tool data, which is now the innermost open one. False when either cannot
    // be made.
    bool AddObjectWindow(CWindowKav* window, const std::string& elementName);
    // The window joins the innermost open window as its child, when there is one; a link the
    // model refuses leaves the window without parent.
    void AdoptByOpenParent(CWindowKav* window) const;
    // The innermost open window becomes the current one again.
    void CloseOpenParent();
    // A tool-data element for the element being started, under the innermost open one.
    void OpenToolDataElement(const std::string& name);
    void CloseToolDataElement();
    // Four blanks per open window, then kind and name.
    void LogObjectLine(const std::string& kind, const std::string& name) const;
    // The attributes of the element being started, for the tool's OnStartElement.
    class StartedElement {
    public:
        StartedElement(CXMLDataRepository& reader, const XmlAttributeList& attributes) : reader_(reader) {
            reader.attributes_ = &attributes;
        }
        ~StartedElement() { reader_.attributes_ = nullptr; }
        StartedElement(const StartedElement&) = delete;
        StartedElement& operator=(const StartedElement&) = delete;

    private:
        CXMLDataRepository& reader_;
    };
    // Handler bodies run through this: a resource that runs out stops the parse rather than
    // unwinding through the parser.
    template <class Body>
    static void Guarded(CXMLDataManager& reader, Body body);

    std::vector<CWindowKav*> createdWindows_;
    std::vector<CWindowKav*> parentStack_;
    // The open tool-data elements, innermost last; not owned (they belong to windows). Null
    // stands for an element that belongs to nothing and is not kept.
    std::vector<CXMLElement*> elementStack_;
    CWindowKav* currentWindow_ = nullptr;
    // Inside the scope of tool data.
    bool inScope_ = false;

private:
    const XmlAttributeList* attributes_ = nullptr;
};

template <class Body>
void CXMLDataRepository::Guarded(CXMLDataManager& reader, Body body) {
    try {
        body();
    } catch (const std::bad_alloc&) {
        reader.StopParser();
    }
}
