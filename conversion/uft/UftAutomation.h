#pragma once
// UFT as the UFT converter drives it: the application object, the test it makes, and the object
// repository utility, each call as UFT's automation model offers it. What UFT does inside is its
// own; a backend stands in for it. UftFileAutomation writes what the converter imports into
// each test's folder; tests use a recording fake.
//
// A call that fails says so in its result, with the description of the error that UFT raised
// where it gave one.
#include <string>
#include <vector>

// The action of a new test that receives its script.
inline constexpr const char* kUftAction = "Action1";

struct UftCall {
    bool ok = true;
    std::string error;

    static UftCall Done() { return {}; }
    static UftCall Failed(std::string error = {}) { return {false, std::move(error)}; }
};

// One environment (add-in) that UFT has loaded.
struct UftEnvironment {
    std::string name;
    std::string status;  // "Active" when in use
};

class UftAutomation {
public:
    virtual ~UftAutomation() = default;

    // ---- The application

    // Creates and runs UFT's application object; false when it cannot be created, run or
    // queried.
    virtual bool ConnectApplication() = 0;
    // Whether UFT runs: before Launch, whether another instance does.
    virtual UftCall IsLaunched(bool& launched) = 0;
    virtual UftCall Launch() = 0;
    // "Not launched", "Ready" when UFT takes the next call, or another text while it works.
    virtual UftCall GetStatus(std::string& status) = 0;
    virtual UftCall SetVisible(bool visible) = 0;
    // The run option that a conversion sets (to "None").
    virtual UftCall SetRunOption(const std::string& value) = 0;
    // Closes UFT.
    virtual UftCall Quit() = 0;
    // Blocks the thread while UFT works, between two readings of its status.
    virtual void Wait(int milliseconds) = 0;

    // ---- The test being made

    virtual UftCall NewTest() = 0;
    // How the test's run handles an error ("Dialog").
    virtual UftCall SetOnError(const std::string& handling) = 0;
    // The environments (add-ins) the test needs, in order.
    virtual UftCall AssociateEnvironments(const std::vector<std::string>& environments) = 0;
    // The test's action of the name; found false when the test has none.
    virtual UftCall OpenAction(const std::string& name, bool& found) = 0;
    // UFT's syntax check of a script for the open action: the error text, "" when none.
    virtual UftCall CheckScriptSyntax(const std::string& script, std::string& error) = 0;
    // The script becomes the open action's.
    virtual UftCall ImportScript(const std::string& script) = 0;
    virtual UftCall SaveTestAs(const std::string& folder) = 0;
    // The open action's object repositories: only the shared one at the path, as its default.
    virtual UftCall AttachRepository(const std::string& path) = 0;
    virtual UftCall SaveTest() = 0;

    // ---- The object repository utility

    virtual bool ConnectRepositoryUtil() = 0;
    // A repository in its XML form converted into UFT's repository file (TSR).
    virtual UftCall ConvertXmlToTsr(const std::string& xmlPath, const std::string& tsrPath) = 0;
    // The other way; text is false when the utility answered with no text.
    virtual UftCall ConvertTsrToXml(const std::string& tsrPath, const std::string& xmlPath, bool& text) = 0;

    // ---- Object identification settings of the application

    // found is false when UFT has no identification settings.
    virtual UftCall OpenIdentificationSettings(bool& found) = 0;
    // The loaded environments, in UFT's order.
    virtual UftCall GetEnvironments(std::vector<UftEnvironment>& environments) = 0;
    // found is false when the settings have no test-object class of the name.
    virtual UftCall HasIdentifiedClass(const std::string& className, bool& found) = 0;
    // The position of the property among those the class offers, or among those that identify
    // it; -1 when it is not there.
    virtual UftCall FindOfferedProperty(const std::string& className, const std::string& property, long& index) = 0;
    virtual UftCall FindIdentifyingProperty(const std::string& className, const std::string& property, long& index) = 0;
    virtual UftCall AddIdentifyingProperty(const std::string& className, const std::string& property) = 0;
    virtual UftCall RemoveIdentifyingProperty(const std::string& className, long index) = 0;
};
