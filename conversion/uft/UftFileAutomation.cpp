#include "conversion/uft/UftFileAutomation.h"

#include <filesystem>
#include <system_error>

#include "conversion/framework/ScriptFile.h"

namespace {

constexpr const char* kScriptFile = "Script.mts";

UftCall WithoutUft() { return UftCall::Failed("This needs a running UFT."); }

}  // namespace

UftCall UftFileAutomation::IsLaunched(bool& launched) {
    launched = launched_;
    return UftCall::Done();
}

UftCall UftFileAutomation::Launch() {
    launched_ = true;
    return UftCall::Done();
}

UftCall UftFileAutomation::GetStatus(std::string& status) {
    status = launched_ ? "Ready" : "Not launched";
    return UftCall::Done();
}

UftCall UftFileAutomation::Quit() {
    launched_ = false;
    return UftCall::Done();
}

UftCall UftFileAutomation::NewTest() {
    script_.clear();
    return UftCall::Done();
}

UftCall UftFileAutomation::OpenAction(const std::string& name, bool& found) {
    found = name == kUftAction;
    return UftCall::Done();
}

UftCall UftFileAutomation::CheckScriptSyntax(const std::string&, std::string& error) {
    error.clear();
    return UftCall::Done();
}

UftCall UftFileAutomation::ImportScript(const std::string& script) {
    script_ = script;
    return UftCall::Done();
}

UftCall UftFileAutomation::SaveTestAs(const std::string& folder) {
    const std::filesystem::path action = std::filesystem::path(folder) / kUftAction;
    std::error_code error;
    std::filesystem::create_directories(action, error);
    ScriptFile file(action / kScriptFile, ScriptEncoding::Utf16LeWithBom, LineEnd::Lf);
    file.Write(script_);
    return file.Commit() ? UftCall::Done() : UftCall::Failed();
}

UftCall UftFileAutomation::ConvertTsrToXml(const std::string&, const std::string&, bool& text) {
    text = false;
    return WithoutUft();
}

UftCall UftFileAutomation::OpenIdentificationSettings(bool& found) {
    found = false;
    return WithoutUft();
}

UftCall UftFileAutomation::GetEnvironments(std::vector<UftEnvironment>& environments) {
    environments.clear();
    return WithoutUft();
}

UftCall UftFileAutomation::HasIdentifiedClass(const std::string&, bool& found) {
    found = false;
    return WithoutUft();
}

UftCall UftFileAutomation::FindOfferedProperty(const std::string&, const std::string&, long& index) {
    index = -1;
    return WithoutUft();
}

UftCall UftFileAutomation::FindIdentifyingProperty(const std::string&, const std::string&, long& index) {
    index = -1;
    return WithoutUft();
}

UftCall UftFileAutomation::AddIdentifyingProperty(const std::string&, const std::string&) { return WithoutUft(); }

UftCall UftFileAutomation::RemoveIdentifyingProperty(const std::string&, long) { return WithoutUft(); }
