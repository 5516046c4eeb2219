#include "conversion/ranorex/RecordingItems.h"

#include "persistence/XMLInterface.h"
#include "platform/TextUtil.h"
#include "platform/UniqueId.h"

namespace recording_items {

namespace {

using Attributes = std::vector<std::pair<const char*, std::string>>;

// A CDATA section holds everything but its end marker, so a "]]>" of the value ends one section
// and opens the next between "]]" and ">". Each section is escaped as a whole, which keeps its
// content and replaces only what XML cannot carry.
std::string CData(const std::string& value) {
    std::string sections;
    size_t start = 0;
    for (size_t end; (end = value.find("]]>", start)) != std::string::npos; start = end + 2)
        sections += CXMLInterface::EscapeText("<![CDATA[" + value.substr(start, end + 2 - start) + "]]>", false);
    return sections + CXMLInterface::EscapeText("<![CDATA[" + value.substr(start) + "]]>", false);
}

std::string Argument(const std::string& name, const std::string& value) {
    return StartTag("argument", {{"argname", name}}) + "<argvalue>\n" + CData(value) + "\n</argvalue>\n</argument>\n";
}

// The start tag of an item and its head lines.
std::string Head(const std::string& element, const Attributes& attributes) {
    return StartTag(element, attributes) + "<comment/>\n<bindings/>\n";
}

// The attributes every item but the close item begins with, then its own.
Attributes Timed(Attributes own) {
    Attributes attributes = {{"enabled", "True"}, {"optional", "False"}, {"duration", "1000ms"}};
    attributes.insert(attributes.end(), own.begin(), own.end());
    return attributes;
}

// The block that addresses the window, with an id of its own.
std::string Info(const std::string& path) {
    return StartTag("info", {{"sourcename", "Recorder"}, {"id", MakeGuidText(MakeUniqueId())}}) +
           TextElement("path", path) + "</info>\n";
}

std::string End(const std::string& element) { return "</" + element + ">\n"; }

}  // namespace

std::string StartTag(const std::string& name, const Attributes& attributes, bool close) {
    std::string tag = "<" + name;
    for (const auto& [attribute, value] : attributes)
        tag += std::string(" ") + attribute + "=\"" + CXMLInterface::EscapeText(value, true) + "\"";
    return tag + (close ? "/>\n" : ">\n");
}

std::string TextElement(const std::string& name, const std::string& text) {
    return "<" + name + ">" + CXMLInterface::EscapeText(text, false) + "</" + name + ">\n";
}

std::string UserCode(const std::string& method, const std::string& path, const std::vector<ItemArgument>& arguments) {
    std::string item = Head("userrecorditem", Timed({{"methodname", method}})) + "<arguments>\n" + Argument("path", path);
    for (const auto& [name, value] : arguments) item += Argument(name, value);
    return item + "</arguments>\n" + End("userrecorditem");
}

std::string UserMethod(const std::string& method) {
    return Head("userrecorditem", Timed({{"methodname", method}})) + "<arguments/>\n" + End("userrecorditem");
}

std::string SetValue(const std::string& attribute, const std::string& path, const std::string& value) {
    return Head("setvaluerecorditem", Timed({{"attrname", attribute}})) + Info(path) + TextElement("attrvalue", value) +
           End("setvaluerecorditem");
}

std::string Mouse(const std::string& action, const std::string& button, const std::string& location,
                  const std::string& path) {
    return Head("mouseitem", Timed({{"action", action},
                                    {"button", button},
                                    {"movetime", "300ms"},
                                    {"sx", "1"},
                                    {"sy", "1"},
                                    {"loc", location}})) +
           Info(path) + End("mouseitem");
}

std::string KeySequence(const std::string& sequence, const std::string& path) {
    return Head("keysequenceitem", Timed({{"sequence", sequence}, {"presstime", "100ms"}})) + Info(path) +
           End("keysequenceitem");
}

std::string InvokeAction(const std::string& action, const std::string& path) {
    return Head("invokeactionrecorditem", Timed({{"action", action}, {"actiontype", "Adaptor"}})) + Info(path) +
           "<arguments/>\n" + End("invokeactionrecorditem");
}

std::string Close(const std::string& path) {
    return Head("closeapprecorditem",
                {{"enabled", "True"}, {"optional", "False"}, {"method", "CloseWindow"}, {"graceperiod", "0ms"}}) +
           Info(path) + End("closeapprecorditem");
}

std::string Validation(const std::string& action, const std::string& path, const std::string& matchName,
                       const std::string& matchValue) {
    return Head("validationitem", Timed({{"action", action}})) + Info(path) + TextElement("matchname", matchName) +
           TextElement("matchvalue", matchValue) + End("validationitem");
}

}  // namespace recording_items
