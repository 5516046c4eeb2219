#include "conversion/uft/UftFileAutomation.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <system_error>

#include "conversion/framework/ScriptFile.h"
#include "platform/AtomicFile.h"

namespace {

constexpr const char* kScriptFile = "Script.mts";

UftCall WithoutUft() { return UftCall::Failed("This needs a running UFT."); }

// XML begins with its first markup, after a byte-order mark and white space; a TSR file is binary.
bool StartsAsXml(std::istream& in) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    char c = 0;
    for (size_t read = 0; in.get(c); ++read) {
        if (read < kByteOrderMark.size() && c == kByteOrderMark[read]) continue;
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return c == '<';
    }
    return false;
}

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

UftCall UftFileAutomation::ConvertTsrToXml(const std::string& tsrPath, const std::string& xmlPath, bool& text) {
    text = false;
    std::ifstream in(tsrPath, std::ios::binary);
    if (!StartsAsXml(in)) return UftCall::Done();
    std::error_code error;
    if (std::filesystem::equivalent(tsrPath, xmlPath, error)) {
        text = true;
        return UftCall::Done();
    }
    in.clear();
    in.seekg(0);
    std::stringstream bytes;
    bytes << in.rdbuf();
    text = in && WriteFileAtomically(xmlPath, bytes.view()).ok;
    return UftCall::Done();
}

UftCall UftFileAutomation::OpenIdentificationSettings(bool& found) {
    found = false;
    return UftCall::Done();
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
