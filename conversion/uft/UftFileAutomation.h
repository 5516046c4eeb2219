#pragma once
// The backend of UFT's automation that the converter table uses where no UFT runs: each test's
// script goes into the test's folder as Action1/Script.mts (UTF-16LE with byte-order mark),
// where UFT keeps an action's script. UFT is ready at once and finds no syntax error; the
// repository calls are taken as done, so no TSR file is made. A repository that is already XML
// converts into XML as a copy; a binary one (a real TSR) gives no text. There are no
// identification settings to change.
#include <string>

#include "conversion/uft/UftAutomation.h"

class UftFileAutomation : public UftAutomation {
public:
    bool ConnectApplication() override { return true; }
    UftCall IsLaunched(bool& launched) override;
    UftCall Launch() override;
    UftCall GetStatus(std::string& status) override;
    UftCall SetVisible(bool) override { return UftCall::Done(); }
    UftCall SetRunOption(const std::string&) override { return UftCall::Done(); }
    UftCall Quit() override;
    void Wait(int) override {}

    UftCall NewTest() override;
    UftCall SetOnError(const std::string&) override { return UftCall::Done(); }
    UftCall AssociateEnvironments(const std::vector<std::string>&) override { return UftCall::Done(); }
    UftCall OpenAction(const std::string& name, bool& found) override;
    UftCall CheckScriptSyntax(const std::string& script, std::string& error) override;
    UftCall ImportScript(const std::string& script) override;
    // Action1/Script.mts below the folder; fails when it cannot be written.
    UftCall SaveTestAs(const std::string& folder) override;
    UftCall AttachRepository(const std::string&) override { return UftCall::Done(); }
    UftCall SaveTest() override { return UftCall::Done(); }

    bool ConnectRepositoryUtil() override { return true; }
    UftCall ConvertXmlToTsr(const std::string&, const std::string&) override { return UftCall::Done(); }

    // A copy of the repository at the XML path (none when the paths name one file); text is
    // false when the repository is no XML or cannot be read, or the copy cannot be written.
    UftCall ConvertTsrToXml(const std::string& tsrPath, const std::string& xmlPath, bool& text) override;
    // Found false: nothing to change without UFT.
    UftCall OpenIdentificationSettings(bool& found) override;
    // Changing identification settings needs UFT.
    UftCall GetEnvironments(std::vector<UftEnvironment>& environments) override;
    UftCall HasIdentifiedClass(const std::string& className, bool& found) override;
    UftCall FindOfferedProperty(const std::string& className, const std::string& property, long& index) override;
    UftCall FindIdentifyingProperty(const std::string& className, const std::string& property, long& index) override;
    UftCall AddIdentifyingProperty(const std::string& className, const std::string& property) override;
    UftCall RemoveIdentifyingProperty(const std::string& className, long index) override;

private:
    bool launched_ = false;
    std::string script_;
};
