#pragma once
// The one class through which the program reads XML (project files and libraries, the
// installation's data files, messages and exchange data of the test-management product, and
// through subclasses the repositories of outside test tools), and the frame of the project
// writer (declaration, root tag, atomic replacement of the file).
//
// A parse runs expat over a whole file held in memory and forwards each event to the handler
// functions the caller names (XmlHandlers), with the element opened or closed around them. The
// standard handlers keep the character data, make the attributes of a starting element current for
// the attribute accessors, and call the virtual OnStartElement / OnEndElement, which the
// project dispatch and the repository readers fill in. A handler that meets an error writes its
// message into the global message buffer and calls StopParser; that message then stands
// instead of the parse error [W1110].
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/CloneFlags.h"
#include "persistence/XMLInterface.h"
#include "platform/ObjectList.h"
#include "platform/OutputFile.h"
#include "platform/UniqueId.h"

class CActionKav;
class CApplicationKav;
class CArgumentKav;
class CAttributeKav;
class CConditionKav;
class CDataEffect;
class CDataEqClass;
class CDataField;
class CDataRecord;
class CDataSet;
class CDovaParameter;
class CDovaTemplate;
class CFileKav;
class CGUIBuilder;
class CKavroObj;
class CRequirement;
class CStepKav;
class CTabPage;
class CTaskKav;
class CTaskStep;
class CTestCase;
class CTestScript;
class CTestStep;
class CTestStepBBInfo;
class CTransitionKav;
class CWindowClass;
class CWindowKav;
class CXMLAttribute;
class CXMLElement;
class MessageLog;
class ProjectDataImport;
struct XML_ParserStruct;

// Both texts point into the parser's buffer and live while the element's start handler runs.
struct XmlAttribute {
    std::string_view name;
    std::string_view value;
};
using XmlAttributeList = std::vector<XmlAttribute>;

class CXMLDataManager;

// The functions a parse forwards expat's events to; each receives the reader running the parse.
// Texts arrive as UTF-8. A null function is not registered.
struct XmlHandlers {
    void (*start)(CXMLDataManager& reader, const std::string& name, const XmlAttributeList& attributes) = nullptr;
    void (*end)(CXMLDataManager& reader, const std::string& name) = nullptr;
    void (*characterData)(CXMLDataManager& reader, std::string_view text) = nullptr;
};

// What a GUIBUILDER element names: the builder of the database with its number, or a new one.
struct GuiBuilderReading {
    CGUIBuilder* existing = nullptr;
    std::unique_ptr<CGUIBuilder> created;

    CGUIBuilder* get() const;
    explicit operator bool() const { return get() != nullptr; }
};

// The version written into the root tag of every project file.
inline constexpr std::string_view kProjectFileVersion = "12.4";

// What loading needs of later parts of the program, which install it at start-up. A service
// that is not installed counts as declined (the library list is not edited) or as nothing to
// do (the conversions).
struct LoadingServices {
    // The project administration dialog on the project's list of libraries; true when the
    // user confirmed it.
    std::function<bool(CApplicationKav& project)> editLibraryList;
    // Conversions of projects written by version 11.2 or older: new window names of a
    // WinRunner project, recognition tags of all windows of a SilkTest project.
    std::function<void(CApplicationKav& project)> regenerateWinRunnerNames;
    std::function<void(CApplicationKav& project)> generateRecognitionTags;
};

// Builds an object whose identifier the file gives and the reader sets next: the one it would
// make for itself is never made.
template <class T, class... Args>
std::unique_ptr<T> MakeWithFileId(Args&&... args) {
    const FileGivenIds fromFile;
    return std::make_unique<T>(std::forward<Args>(args)...);
}

class CXMLDataManager {
public:
    CXMLDataManager();
    virtual ~CXMLDataManager();
    CXMLDataManager(const CXMLDataManager&) = delete;
    CXMLDataManager& operator=(const CXMLDataManager&) = delete;

    // Reads and parses one file with the given encoding ("UTF-8" for project files; a file that
    // begins with the exact ISO-8859-2 declaration is read as ISO-8859-1). A file the user located
    // elsewhere (see OpenProjectFile) gives the entry its new path. False with the message in
    // the global buffer.
    virtual bool ParseFile(CFileKav* file, const std::string& encoding, const XmlHandlers& handlers);
    // The element dispatch of the program's own XML (project files, undo snapshots, the
    // installation's data, the messages and exchange data of VORNAK): each element's reader
    // runs and what it returns is linked to the enclosing object; a misplaced or failing element
    // stops the parse with its message. The end handler takes the texts of exchange data.
    // Repository readers put their own handlers in place. Both run from the standard handlers, on
    // the innermost open element.
    virtual void OnStartElement(const std::string& name, const XmlAttributeList& attributes);
    virtual void OnEndElement(const std::string& name, const std::string& text);

    // The standard handlers; each element is open from before its start handler runs until after
    // its end handler. StartElement starts collecting character data and calls OnStartElement
    // with the attributes current; EndElement calls OnEndElement for an element that collected
    // text and has no child element, and closes an open tool-data element and an exchange package.
    static void StartElement(CXMLDataManager& reader, const std::string& name, const XmlAttributeList& attributes);
    static void EndElement(CXMLDataManager& reader, const std::string& name);
    static void OnCharacterData(CXMLDataManager& reader, std::string_view text);
    static XmlHandlers StandardHandlers();
    // While only the header of a library is read: the end handler delivers no text and ends
    // the parse, as a success, at the end of PROJECT.
    static void HeaderEndElement(CXMLDataManager& reader, const std::string& name);
    static XmlHandlers HeaderHandlers();

    // From a handler: end the parse as failed (the handler's message stands), or end it early
    // as a success (reading a header only). No further handler runs. Outside a parse: nothing.
    void StopParser();
    void SuspendParser();

    // How many elements are open (the element being started or ended included).
    std::size_t OpenElementCount() const { return openCount_; }
    // The enclosing element of the one being started or ended; "" for the root.
    std::string ParentElementName() const;
    const std::string& CollectedText() const { return collectedText_; }
    // The file of the parse under way or last run.
    CFileKav* CurrentFile() const { return currentFile_; }

    // Attributes of the element being started; names compare without regard to case. Outside
    // OnStartElement there is none.
    std::string FindAttribute(std::string_view name) const;
    // The same, pointing into the parser's buffer: valid while the start handler runs.
    std::string_view AttributeValue(std::string_view name) const;
    // The value, or the default when the value is missing or empty.
    std::string GetAttribute(std::string_view name, std::string_view defaultValue) const;
    // The leading decimal number (blanks and a sign allowed, no digits: 0), clamped to the int
    // range; the default when the value is missing or empty.
    int GetAttributeInt(std::string_view name, int defaultValue) const;
    // 1 for exactly "1", 0 for exactly "0", else the default.
    int GetAttributeBool(std::string_view name, int defaultValue) const;

    // Read mode: reads the whole file into the reader; a missing file asks whether to search
    // for it [Q0049] and offers a file dialog; pathUsed is the path finally read.
    // Write mode: checks that the file can be written and starts the text with the declaration
    // and the root start tag; nothing reaches the disk before WriteFooter.
    bool OpenProjectFile(const std::string& path, bool write, std::string& pathUsed);
    // Moves the builder's document out: appended to the file being written, or to out.
    void FlushDocument(bool toFile, std::string& out);
    // With flush: adds what the builder holds and the root end tag, and replaces the file
    // atomically (false with [W0856] when that fails). Without: abandons the write, leaving the
    // previous file as it was.
    bool WriteFooter(bool flush);
    // The document builder of the writer.
    CXMLInterface& Builder() { return builder_; }

    // ---- Reading state of the element readers.

    // The project that PROJECT fills; when none is set, the current application.
    void SetCurrentProject(CApplicationKav* project) { currentProject_ = project; }
    CApplicationKav* GetCurrentProject() const;
    // The lowest root version read since the loader last emptied it; versions compare as text.
    const std::string& GetVersionText() const { return versionText_; }
    void SetVersionText(const std::string& version) { versionText_ = version; }
    // Whether the parse under way or last run met a PROJECT element; each parse starts without.
    bool IsProjectElementRead() const { return projectElementRead_; }
    // Identifiers of the tasks made for the open packages of exchange data, innermost last.
    std::vector<std::string>& ExchangeTaskIds() { return exchangeTaskIds_; }

    // ---- Saving and linking a project.

    // Writes the project: with toFile into the file at path, which is replaced only once the
    // whole text is written (0 with [W0856] or [W0881] otherwise, the old file unchanged);
    // without, the top elements are appended to out, which is emptied first. Objects of
    // read-only files are left out; test cases, test scripts and the user-defined GUI builders
    // are always written. Characters that XML cannot carry are replaced, and a save that
    // replaced any logs how many.
    int SaveProject(bool toFile, const std::string& path, CApplicationKav& application, std::string& out);
    // Turns the identifier texts that the readers kept into links, builds the window, task and
    // requirement trees and the task flows, and reports every reference it cannot resolve,
    // logged when log is set. 1 complete; -1 repaired by clearing references; -2 references
    // remain unresolved or a link was refused. Every pass runs to its end.
    int BuildRelations(CApplicationKav* project, bool log);

    // ---- Loading a project with its libraries. Paths are resolved against the folder of
    // the file that names them; the working directory is never changed.

    // Loads the project whose main file is path into the current application, which the caller
    // has emptied. First the include hierarchy is read and checked, then the main file and each
    // library into a project of its own; the libraries' objects are merged into the current
    // application (asking which version to keep where an identifier occurs twice) and the
    // references linked. The log receives the progress and every finding. 1 loaded; 2 loaded
    // and a file is older than the current version (CheckVersion converts it); -1 loaded with
    // references cleared; -2 not loaded; -3 stopped.
    int LoadProject(const std::string& path, MessageLog* log);
    // After a load that failed: whether the message in the global buffer was shown already, as
    // the include check shows each problem when it meets it; else the caller shows it.
    bool IsLoadFailureShown() const { return loadFailureShown_; }
    // Reads one file completely into the project: 0 failed (the message logged when log is
    // set); 1 read; 2 read, and the file is older than the current version.
    int LoadProjectFile(CFileKav* file, CApplicationKav* project, bool log);
    // Reads the headers of the project's files, adding the libraries they include to its file
    // list, and checks the hierarchy. 1 valid; 3 problems the user may mend; 0 the main file
    // cannot be read; -1 invalid argument or corrupted include structure. Each problem is shown.
    int LoadLibraries(CApplicationKav* project, bool includeMain);
    // 1 valid; 3 two files of one project name, or two files that include each other; -1 a
    // used-file identifier names no file.
    int CheckIncludeHierarchy(CApplicationKav* project);
    // Merges the objects of every library of the project, taken from the projects read by the
    // last load, and links the references: -3 stopped (a library is missing); -2 a conflict was
    // not settled; else the result of BuildRelations. Undo and redo call it on a snapshot.
    int LoadLibrary(CApplicationKav* project, bool log);
    // Moves the library's objects into the project, asking where an identifier occurs in both:
    // 1 merged; 0 a conflict was left unsettled (the project's object kept); -1 a conflict
    // could not be decided.
    int CheckDuplicates(CApplicationKav* project, CApplicationKav* library, CFileKav* libraryFile, bool log);
    // Converts the current application after a load that returned 2, by the version of its
    // main file: 1 done; 0 an unknown version ([W0888] in the message buffer).
    int CheckVersion();
    // The project read by the last load whose main file has that identifier (byId) or whose
    // name is the key; exact comparison; null when none.
    CApplicationKav* FindProjectFile(const std::string& key, bool byId) const;
    // After a load: a copy of the main project, then one project per library in file order.
    const OwningList<CApplicationKav>& GetLoadedProjects() const { return loadedProjects_; }
    // The VORNAK interface keeps what VORNAK sent here, so that loading finds its libraries.
    OwningList<CApplicationKav>& LoadedProjects() { return loadedProjects_; }
    // Asks the question (Yes, No); on Yes runs the library list editor on the project. True,
    // with the project marked modified, when the user confirmed the editor.
    bool AskEditLibraries(int questionId, CApplicationKav* project);
    void SetLoadingServices(LoadingServices services) { services_ = std::move(services); }
    void SetLibraryListEditor(std::function<bool(CApplicationKav& project)> editor) {
        services_.editLibraryList = std::move(editor);
    }

    // ---- Importing the data of another project: the file is read into a project of its
    // own, whose objects the user selects and the importer takes over into the current
    // application. 0 the file could not be read or the import failed; 1 imported; 2 imported
    // from an older version, which the caller converts; 3 cancelled by the user.
    int ImportProjectData(const std::string& path, MessageLog* log, ProjectDataImport& importer);

    // ---- The installation's data files, read at start-up: the predefined GUI builders into
    // the builder database (emptied first) and the API-step templates into the template list.
    // False with the message in the buffer; what was read before an error stays.
    bool LoadPredefinedGuiBuilders();
    bool LoadDriverTemplates();

    // ---- Exchange data of VORNAK: parses a message of the interface; project receives a new
    // project that holds the project data the message carries, and the tasks made for its test
    // packages join the interface's project. False when the text was not parsed completely.
    bool ParseVornakFile(std::string_view text, std::unique_ptr<CApplicationKav>& project);

    // ---- Element readers: each reads the start tag being dispatched (from OnStartElement)
    // and returns a new object for the caller to link, or nothing (false, an empty text) after
    // writing its message; the caller then stops the parse. Conditions, attributes,
    // requirements and tasks get the current file's identifier as their owning file;
    // identifier attributes stay texts until references are resolved.

    bool ReadRoot();                                  // KAVRO_DATA: the version
    bool ReadProject();                               // PROJECT: the settings of the current project
    std::unique_ptr<CFileKav> ReadFileEntry();        // FILE
    std::unique_ptr<CConditionKav> ReadCondition();   // CND
    std::unique_ptr<CAttributeKav> ReadAttribute();   // ATT
    std::unique_ptr<CAttributeKav> ReadStepField();   // USR_FIELD
    std::unique_ptr<CRequirement> ReadRequirement();  // REQ
    std::unique_ptr<CTaskKav> ReadTask();             // TASK
    std::unique_ptr<CTaskStep> ReadTaskStep();        // TASKSTEP
    std::unique_ptr<CActionKav> ReadAction();         // ACT
    std::unique_ptr<CArgumentKav> ReadArgument();     // ARG
    std::string ReadConnection();                     // CONNECT: the successor step's ID
    std::string ReadTaskRequirement();                // TASKREQ: the requirement's ID
    // The GUI model. A window of the class its type names, with its name checked; its parent,
    // and the destination window of a transition, stay identifier texts.
    std::unique_ptr<CWindowKav> ReadWindow();         // WND
    std::unique_ptr<CTabPage> ReadTabPage();          // TABPAGE
    std::unique_ptr<CTransitionKav> ReadTransition(); // TRANS
    // Test data; classes have no owning file.
    std::unique_ptr<CDataSet> ReadDataSet();          // DATASET
    std::unique_ptr<CDataField> ReadDataField();      // DATAFIELD
    std::unique_ptr<CDataEqClass> ReadEqClass();      // EQCLASS
    std::unique_ptr<CDataRecord> ReadDataRecord();    // DATARECORD
    std::unique_ptr<CDataEffect> ReadDataEffect();    // DATAEFFECT
    // DATAVALUE: the value; fieldId receives the field's ID ("" for a value of a class).
    // Never fails.
    std::string ReadDataValue(std::string& fieldId);
    std::string ReadEffectReference();                // DATAEFFECTID: the effect's ID
    // Generated test cases; steps and building blocks have no owning file.
    std::unique_ptr<CTestCase> ReadTestCase();              // TC
    std::unique_ptr<CTestStep> ReadTestStep();              // TESTSTEP
    std::unique_ptr<CTestStepBBInfo> ReadBuildingBlockInfo();  // BB_INFO
    std::unique_ptr<CTestScript> ReadTestScript();          // TS
    // GUIBUILDER: looked up in the builder database by its GuiID (missing or 0: the number at
    // the start of its ID); the builder found, or a new one, gets the current file's identifier.
    GuiBuilderReading ReadGuiBuilder();
    std::unique_ptr<CWindowClass> ReadWindowClass();  // WNDCLASS
    // Tool data of windows; these never fail.
    std::unique_ptr<CXMLElement> ReadXmlElement();     // XML_ELEMENT
    std::unique_ptr<CXMLAttribute> ReadXmlAttribute(); // XML_ATT
    // The API-step template file.
    std::unique_ptr<CDovaTemplate> ReadDovaTemplate();    // DOVA_TEMPLATE
    std::unique_ptr<CDovaParameter> ReadDovaParameter();  // DOVA_PARAMETER
    // TP of exchange data: a folder task for the test package, its parent the package it stands
    // in, pushed on the exchange stack; null for another element, or after [W1122] for a name
    // a task may not have.
    std::unique_ptr<CTaskKav> ReadVornakTestPackage(const std::string& elementName);

    // ---- Placing what the readers return where the reader itself keeps the state: the
    // current GUI builder and the open tool-data elements. parent is the enclosing element;
    // one that is not accepted writes the element's position message. False stops the parse.

    // Read with false, the GUI builder database: every builder and class is kept. Read with
    // true (the default), a project: a new predefined builder and predefined classes are not
    // kept; predefined entries come only from the installation.
    void SetProjectMode(bool projectMode) { projectMode_ = projectMode; }
    bool IsProjectMode() const { return projectMode_; }
    // Makes the builder the one that the following classes join: a new one joins the
    // database, unless it is not kept; then the classes are not kept either.
    bool PlaceGuiBuilder(GuiBuilderReading builder, std::string_view parent);
    bool PlaceWindowClass(std::unique_ptr<CWindowClass> windowClass, std::string_view parent);
    // A page joins the window only when it is a tab control.
    bool PlaceTabPage(std::unique_ptr<CTabPage> page, std::string_view parent, CWindowKav* window);
    // The builder that WNDCLASS elements now join; null when there is none or it was not kept.
    CGUIBuilder* GetCurrentGuiBuilder() const { return currentGuiBuilder_; }
    // Under WND the element becomes the window's tool data, under XML_ELEMENT a child of the
    // innermost open one; either way it is open until CloseXmlElement. Nesting deeper than a
    // thousand levels is refused as a misplaced element.
    bool PlaceXmlElement(std::unique_ptr<CXMLElement> element, std::string_view parent, CWindowKav* window);
    // Joins the innermost open element; kept only when one is open.
    bool PlaceXmlAttribute(std::unique_ptr<CXMLAttribute> attribute, std::string_view parent);
    // At the end of each XML_ELEMENT.
    void CloseXmlElement();
    // At the start of each WND: nothing of an earlier window is open.
    void ForgetOpenXmlElements() { openXmlElements_.clear(); }

    // ---- Element writers on the builder. WriteProject, WriteRequirement and WriteTask start
    // the builder's one top element (the builder must be empty: flush the previous one); the
    // others append a child to the builder's current element and leave it current again.
    // References are written from the objects they point to. Each returns 1, or 0 when the
    // builder refuses the element.

    // PROJECT with the settings and the CND, ATT and USR_FIELD children of the editable
    // meta-conditions, global attributes and step fields, and a FILE child for each file that
    // the main file uses.
    int WriteProject(CApplicationKav& project);
    int WriteFileEntry(const CFileKav& file);
    int WriteCondition(const CConditionKav& condition);
    int WriteAttribute(const CAttributeKav& attribute);
    int WriteStepField(const CAttributeKav& field);
    int WriteRequirement(const CRequirement& requirement);
    // TASK with its parameters, steps and covered requirements.
    int WriteTask(const CTaskKav& task);
    int WriteTaskStep(const CTaskStep& step);
    int WriteAction(const CActionKav& action);
    // WND with its tab pages, attributes, transitions and tool data.
    int WriteWindow(const CWindowKav& window);
    int WriteTabPage(const CTabPage& page);
    int WriteTransition(const CTransitionKav& transition);
    // DATASET with its fields, records, effects and attributes.
    int WriteDataSet(const CDataSet& dataSet);
    int WriteDataField(const CDataField& field);
    int WriteEqClass(const CDataEqClass& eqClass);
    // One value per field of the data set, in field order, and the references to effects that
    // the set still holds.
    int WriteDataRecord(const CDataRecord& record, const CDataSet& dataSet);
    int WriteDataEffect(const CDataEffect& effect);
    // TC and TS are top elements.
    int WriteTestCase(const CTestCase& testCase);
    int WriteTestStep(const CTestStep& step);
    int WriteBuildingBlockInfo(const CTestStepBBInfo& info);
    int WriteTestScript(const CTestScript& script);
    // GUIBUILDER is a top element; only its classes that are not predefined are written.
    int WriteGuiBuilder(const CGUIBuilder& builder);
    int WriteWindowClass(const CWindowClass& windowClass);
    int WriteXmlElement(const CXMLElement& element);
    int WriteXmlAttribute(const CXMLAttribute& attribute);

    // The log that receives the progress and error lines of a load and the warning of a save;
    // null for none.
    void SetMessageLog(MessageLog* log) { messageLog_ = log; }
    MessageLog* GetMessageLog() const { return messageLog_; }
    // Adds the text to the attached log when log is set.
    void LogMessage(std::string_view text, bool log) const;

protected:
    // The objects that nested elements join: each replaced by the next element of its kind,
    // none at the start of a parse.
    struct CurrentObjects {
        CWindowKav* window = nullptr;
        CTransitionKav* transition = nullptr;
        CActionKav* action = nullptr;
        CTaskKav* task = nullptr;
        CTaskStep* taskStep = nullptr;
        CTestCase* testCase = nullptr;
        CTestStep* testStep = nullptr;
        CTestStepBBInfo* bbInfo = nullptr;
        CDataSet* dataSet = nullptr;
        CDataField* field = nullptr;
        CDataEqClass* eqClass = nullptr;
        CDataRecord* record = nullptr;
        CDataEffect* effect = nullptr;
        CDovaTemplate* dovaTemplate = nullptr;
    };

    enum class ParseStatus { Finished, Suspended, Failed };
    struct ParseOutcome {
        ParseStatus status = ParseStatus::Failed;
        int line = 0;            // expat's line of the failure
        std::string errorText;   // expat's text for its error code
    };
    // Parses a whole text as the final piece. Each parse starts with nothing current, nothing
    // open and no PROJECT element read; the element-name stack is emptied before and after a
    // parse that did not finish. The caller words the failure.
    ParseOutcome ParseText(std::string_view text, const std::string& encoding, const XmlHandlers& handlers);

private:
    friend class ElementDispatch;

    static void ExpatStart(void* reader, const char* name, const char** attributes);
    static void ExpatEnd(void* reader, const char* name);
    static void ExpatCharacterData(void* reader, const char* text, int length);
    void HaltParser(bool resumable);
    // Opens an element of that name at the innermost place, with its name in upper case; the
    // name as stored.
    const std::string& OpenElementNamed(std::string_view name);

    // Shared steps of the element readers and writers.
    // The current file's identifier, the owning file of the objects read.
    std::string CurrentFileId() const;
    // The attribute's value; when it is missing or empty, "" after writing the message.
    std::string RequiredAttribute(std::string_view name, int missingMessage) const;
    // The texts and numbers that task steps, transitions and test steps share, in file order.
    struct StepFields {
        std::string name, event, commands, description, input, expectedResult, resultValue;
        int delay = 0;
        int criticality = 0;
    };
    StepFields ReadStepFields() const;
    void WriteStepFields(const CStepKav& step);
    // Whether parent is the accepted one; else false after writing the position message.
    static bool CheckParent(std::string_view parent, std::string_view accepted, int positionMessage);
    // ATT and USR_FIELD: the same attributes, their own message for a missing ID.
    std::unique_ptr<CAttributeKav> ReadAttributeElement(int missingIdMessage);
    int WriteAttributeElement(std::string_view element, const CAttributeKav& attribute);
    // Appends the named child to the builder's current element and makes it current.
    bool EnterNewChild(std::string_view name);
    // A child with one text attribute (left out when empty), written as a leaf.
    void WriteOneAttributeChild(std::string_view element, std::string_view attribute, const std::string& value);

    // The open elements, innermost last: the first openCount_ entries. Closed entries keep their
    // room for the next element, and the name of the one just closed stays until then.
    struct OpenElement {
        std::string name;
        // Empty when the name is written in upper case, as the program writes every name.
        std::string upperName;
        std::string_view UpperName() const { return upperName.empty() ? std::string_view(name) : upperName; }
    };
    std::vector<OpenElement> openElements_;
    std::size_t openCount_ = 0;
    std::string collectedText_;
    bool collectingText_ = false;
    const XmlAttributeList* currentAttributes_ = nullptr;
    bool currentAttributesIndexed_ = false;
    void SetCurrentAttributes(const XmlAttributeList* attributes);
    // Fills the list with the attributes expat gives and indexes their names, in one pass over
    // each name: one hashed bit per name, which most lookups of an attribute the element lacks
    // stop at, and the first attribute of each bit, where a lookup of a name present starts.
    void ListAttributes(const char** attributes, int count, XmlAttributeList& list);
    const XmlAttributeList* indexedAttributes_ = nullptr;
    std::uint64_t attributeNameBits_ = 0;
    std::size_t firstAttributeOfSlot_[64] = {};
    bool attributeNamesAscii_ = true;
    XmlAttributeList spareAttributes_;

    XML_ParserStruct* parser_ = nullptr;
    const XmlHandlers* handlers_ = nullptr;
    bool halted_ = false;

    CXMLInterface builder_;
    CFileKav* currentFile_ = nullptr;
    std::string fileBuffer_;

    std::optional<OutputFile> outputFile_;  // the project file being written
    MessageLog* messageLog_ = nullptr;

    CApplicationKav* currentProject_ = nullptr;
    std::string versionText_;
    bool projectElementRead_ = false;
    CurrentObjects current_;
    std::vector<std::string> exchangeTaskIds_;
    // The identifiers of the tasks of the project that the parse fills, those it held before
    // included: indexed at the parse's first task, so that no task looks at every other one.
    std::unordered_set<std::string>& TaskIdsOf(CApplicationKav& project);
    const CApplicationKav* taskIdsProject_ = nullptr;
    std::unordered_set<std::string> taskIds_;

    bool projectMode_ = true;
    CGUIBuilder* currentGuiBuilder_ = nullptr;
    // Innermost last; null stands for an element that was not kept.
    std::vector<CXMLElement*> openXmlElements_;

    // Loading: the projects of the last load, the answers given to the question which of two
    // objects of one identifier to keep (the text "A\u00b6B": keep the object of file A), and
    // whether the questions stop for the library being merged.
    OwningList<CApplicationKav> loadedProjects_;
    // The copies of the projects read keep identifiers and reference texts as they stand, so
    // that a merge can link them again.
    static constexpr int kLoadedCopyFlags = kCloneKeepId | kCloneTextsAsStored;
    std::vector<std::string> conflictDecisions_;
    bool conflictQuestionsStopped_ = false;
    bool loadFailureShown_ = false;
    // The version of the main file of the last load, which CheckVersion converts from.
    std::string mainFileVersion_;
    LoadingServices services_;

    // Parses the installation's data file of that name, for no project.
    bool ReadInstallationFile(std::string_view fileName);
    // Makes a project current for the reads of one operation, and the one before current again
    // at its end.
    class CurrentProjectScope {
    public:
        CurrentProjectScope(CXMLDataManager& reader, CApplicationKav* project)
            : reader_(reader), previous_(reader.currentProject_) {
            reader.currentProject_ = project;
        }
        ~CurrentProjectScope() { reader_.currentProject_ = previous_; }
        CurrentProjectScope(const CurrentProjectScope&) = delete;
        CurrentProjectScope& operator=(const CurrentProjectScope&) = delete;

    private:
        CXMLDataManager& reader_;
        CApplicationKav* previous_;
    };
    // Resolves a conflict between a library's object and the project's object of one
    // identifier, by an earlier answer or by asking: 1 one of them deleted; 0 nothing done (the
    // questions are stopped for this library); -1 undecidable.
    template <class List>
    int ResolveIdConflict(CKavroObj* libraryObject, CKavroObj* projectObject, List& libraryList, List& projectList,
                          const std::string& libraryName, CApplicationKav& project);
};

// The reader of the process: projects, their libraries and the installation's data files.
CXMLDataManager& GetProjectReader();
