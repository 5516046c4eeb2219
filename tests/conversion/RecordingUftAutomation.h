#pragma once
// UFT's automation as the UFT converter tests see it: every call recorded in order, UFT's
// answers set by the test, any call made to fail by its name, and waits counted rather than
// slept.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "conversion/uft/UftAutomation.h"

class RecordingUftAutomation : public UftAutomation {
public:
    // What the test wants UFT to answer. The fake outlives the converter that owns it through
    // this shared state.
    struct State {
        std::vector<std::string> calls;
        // By call name: the result the call gives instead of succeeding.
        std::map<std::string, UftCall> failures;
        bool connects = true;
        bool repositoryUtilConnects = true;
        bool launchedBefore = false;  // another UFT runs already
        bool launchSucceeds = true;
        // The status is "Busy" until this many milliseconds were waited after a call that makes
        // UFT work (Launch, NewTest, ImportScript, SaveTestAs, SaveTest).
        int busyMs = 0;
        bool hasAction = true;
        std::string syntaxError;
        std::vector<std::string> scripts;  // imported, in order
        int waitedMs = 0;
        // The identification settings: the environments UFT has loaded, and where every class
        // has each property among those it offers and those that identify it (-1: not there).
        std::vector<UftEnvironment> environments;
        long offeredIndex = -1;
        long identifyingIndex = -1;
    };

    explicit RecordingUftAutomation(std::shared_ptr<State> state) : state_(std::move(state)) {}

    bool ConnectApplication() override { return Record("ConnectApplication").ok && state_->connects; }
    UftCall IsLaunched(bool& launched) override {
        launched = state_->launchedBefore || (running_ && state_->launchSucceeds);
        return Record("IsLaunched");
    }
    UftCall Launch() override {
        running_ = true;
        return Working(Record("Launch"));
    }
    UftCall GetStatus(std::string& status) override {
        status = !running_ ? "Not launched" : busyLeft_ > 0 ? "Busy" : "Ready";
        return Record("GetStatus");
    }
    UftCall SetVisible(bool visible) override { return Record(std::string("SetVisible ") + (visible ? "1" : "0")); }
    UftCall SetRunOption(const std::string& value) override { return Record("SetRunOption " + value); }
    UftCall Quit() override {
        running_ = false;
        return Record("Quit");
    }
    void Wait(int milliseconds) override {
        state_->waitedMs += milliseconds;
        busyLeft_ -= milliseconds;
    }

    UftCall NewTest() override { return Working(Record("NewTest")); }
    UftCall SetOnError(const std::string& handling) override { return Record("SetOnError " + handling); }
    UftCall AssociateEnvironments(const std::vector<std::string>& environments) override {
        std::string names;
        for (const std::string& name : environments) names += " " + name;
        return Record("AssociateEnvironments" + names);
    }
    UftCall OpenAction(const std::string& name, bool& found) override {
        found = state_->hasAction;
        return Record("OpenAction " + name);
    }
    UftCall CheckScriptSyntax(const std::string&, std::string& error) override {
        error = state_->syntaxError;
        return Record("CheckScriptSyntax");
    }
    UftCall ImportScript(const std::string& script) override {
        state_->scripts.push_back(script);
        return Working(Record("ImportScript"));
    }
    UftCall SaveTestAs(const std::string& folder) override { return Working(Record("SaveTestAs " + folder)); }
    UftCall AttachRepository(const std::string& path) override { return Record("AttachRepository " + path); }
    UftCall SaveTest() override { return Working(Record("SaveTest")); }

    bool ConnectRepositoryUtil() override {
        return Record("ConnectRepositoryUtil").ok && state_->repositoryUtilConnects;
    }
    UftCall ConvertXmlToTsr(const std::string& xmlPath, const std::string& tsrPath) override {
        return Record("ConvertXmlToTsr " + xmlPath + " " + tsrPath);
    }
    UftCall ConvertTsrToXml(const std::string& tsrPath, const std::string& xmlPath, bool& text) override {
        text = true;
        return Record("ConvertTsrToXml " + tsrPath + " " + xmlPath);
    }
    UftCall OpenIdentificationSettings(bool& found) override {
        found = true;
        return Record("OpenIdentificationSettings");
    }
    UftCall GetEnvironments(std::vector<UftEnvironment>& environments) override {
        environments = state_->environments;
        return Record("GetEnvironments");
    }
    UftCall HasIdentifiedClass(const std::string& className, bool& found) override {
        found = true;
        return Record("HasIdentifiedClass " + className);
    }
    UftCall FindOfferedProperty(const std::string& className, const std::string& property, long& index) override {
        index = state_->offeredIndex;
        return Record("FindOfferedProperty " + className + " " + property);
    }
    UftCall FindIdentifyingProperty(const std::string& className, const std::string& property, long& index) override {
        index = state_->identifyingIndex;
        return Record("FindIdentifyingProperty " + className + " " + property);
    }
    UftCall AddIdentifyingProperty(const std::string& className, const std::string& property) override {
        return Record("AddIdentifyingProperty " + className + " " + property);
    }
    UftCall RemoveIdentifyingProperty(const std::string& className, long index) override {
        return Record("RemoveIdentifyingProperty " + className + " " + std::to_string(index));
    }

private:
    // The call's result: its failure when the test set one for its name (the first word).
    UftCall Record(const std::string& call) {
        state_->calls.push_back(call);
        const auto failure = state_->failures.find(call.substr(0, call.find(' ')));
        return failure == state_->failures.end() ? UftCall::Done() : failure->second;
    }
    UftCall Working(UftCall call) {
        busyLeft_ = state_->busyMs;
        return call;
    }

    std::shared_ptr<State> state_;
    bool running_ = false;
    int busyLeft_ = 0;
};
