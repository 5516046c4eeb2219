#include "conversion/ibmqm/RqmFiles.h"

#include <string_view>

#include "conversion/xml/XMLConverter.h"
#include "model/TestStep.h"
#include "persistence/XMLInterface.h"

namespace {

// The quality manager's server, its users and its published namespaces.
constexpr std::string_view kServer = "https://qm.example.com:9443";
constexpr std::string_view kAttachmentService =
    "/qm/secure/service/com.ibm.rqm.integration.service.IIntegrationService/resources/[PROJEKTNAME]/attachment/";
constexpr std::string_view kTestScriptService =
    "/qm/service/com.ibm.rqm.integration.service.IIntegrationService/resources/[PROJEKTNAME]/testscript/";
constexpr std::string_view kContributors = "/jts/resource/itemName/com.ibm.team.repository.Contributor/";
constexpr std::string_view kCreator = "kavro";

constexpr std::string_view kQmNamespace = "http://jazz.net/xmlns/alm/qm/v0.1/";
constexpr std::string_view kTestScriptNamespace = "http://jazz.net/xmlns/alm/qm/v0.1/testscript/v0.1/";
constexpr std::string_view kXhtmlNamespace = "http://www.w3.org/1999/xhtml";
constexpr std::string_view kNamespaces =
    " xmlns=\"http://jazz.net/xmlns/alm/qm/v0.1/\""
    " xmlns:jzalm=\"http://jazz.net/xmlns/alm/v0.1/\""
    " xmlns:dc=\"http://purl.org/dc/elements/1.1/\""
    " xmlns:ts=\"http://jazz.net/xmlns/alm/qm/v0.1/testscript/v0.1/\""
    " xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\""
    " xmlns:er=\"http://jazz.net/xmlns/alm/qm/v0.1/executionresult/v0.1\"";

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr std::string_view kMarker = "§§§";

constexpr const char* kCategories[][2] = {
    {"Betroffene Verbundkomponenten", "JVP"},
    {"Fachlich-Technisch", "fachlich"},
    {"Priorität", "3-standard"},
    {"Testdaten Status", "Zu konkretisieren"},
    {"Testfallerstellung Status", "2 TF definiert"},
};

std::string Text(std::string_view text) { return CXMLInterface::EscapeText(text, false); }
std::string Attribute(std::string_view text) { return CXMLInterface::EscapeText(text, true); }

std::string Placeholder(std::string_view file) { return "[RESOURCE FILE:" + std::string(file) + "]"; }
std::string AttachmentUrl(std::string_view file) {
    return std::string(kServer) + std::string(kAttachmentService) + Placeholder(file);
}

std::string Div(std::string_view content) {
    return "<div xmlns=\"" + std::string(kXhtmlNamespace) + "\">" + std::string(content) + "</div>";
}

std::string CreatorAndOwner() {
    const std::string contributors = std::string(kServer) + std::string(kContributors);
    return "<dc:creator rdf:resource=\"" + contributors + std::string(kCreator) + "\">" + std::string(kCreator) +
           "</dc:creator>\n<jzalm:owner rdf:resource=\"" + contributors + "\"/>\n";
}

// The input names a file attached to the step, shown as a picture that opens it.
std::string AttachedPicture(const std::string& input) {
    const std::string url = Attribute(AttachmentUrl(input));
    const std::string placeholder = Attribute(Placeholder(input));
    return "<p>\n<a href=\"" + url + "\" target=\"_blank\"><img src=\"" + url + "\" border=\"0\" id=\"" + placeholder +
           "\" alt=\"" + placeholder + "\"/></a>\n</p>\n";
}

std::string Step(const CTestStep& step) {
    std::string description = CXMLConverter::ToXhtmlParagraphs(step.GetDescription());
    if (!step.GetInput().empty()) description += AttachedPicture(step.GetInput());
    return "<step xmlns=\"" + std::string(kTestScriptNamespace) + "\" type=\"execution\">\n<description>" +
           Div(description) + "</description>\n<expectedResult>" +
           Div(CXMLConverter::ToXhtmlParagraphs(step.GetExpectedResult())) + "</expectedResult>\n</step>\n";
}

std::string PlanningSection(std::string_view element, std::string_view key, std::string_view content) {
    const std::string name = "com.ibm.rqm.planning.editor.section." + std::string(element);
    return "<" + name + " extensionDisplayName=\"" + std::string(key) + "\">" + Div(content) + "</" + name + ">\n";
}

}  // namespace

std::string BuildRqmTestScript(const std::string& title, const std::string& description,
                               const std::vector<const CTestStep*>& steps) {
    std::string text(kDeclaration);
    text += "<testscript" + std::string(kNamespaces) + ">\n";
    text += "<dc:title>" + Text(title) + "</dc:title>\n";
    if (!description.empty()) text += "<dc:description>" + Text(description) + "</dc:description>\n";
    text += CreatorAndOwner();
    text += "<steps xmlns=\"" + std::string(kQmNamespace) + "\">\n";
    for (const CTestStep* step : steps)
        if (!step->GetDescription().empty() || !step->GetExpectedResult().empty()) text += Step(*step);
    return text + "</steps>\n</testscript>\n";
}

bool SplitRqmDescription(const std::string& text, RqmSections& sections) {
    sections = {};
    std::string* parts[] = {&sections.preconditions, &sections.design, &sections.expectedResults};
    size_t found = 0;
    for (size_t at = text.find(kMarker); at != std::string::npos && found < std::size(parts); ++found) {
        const size_t begin = at + kMarker.size();
        at = text.find(kMarker, begin);
        *parts[found] = text.substr(begin, at == std::string::npos ? std::string::npos : at - begin);
    }
    return found == std::size(parts);
}

std::string BuildRqmTestCase(const std::string& title, const std::vector<std::string>& scriptFiles,
                             const RqmSections& sections) {
    std::string text(kDeclaration);
    text += "<testcase" + std::string(kNamespaces) + ">\n";
    text += "<dc:title>" + Text(title) + "</dc:title>\n";
    for (const std::string& file : scriptFiles) text += "<attachment href=\"" + Attribute(AttachmentUrl(file)) + "\"/>\n";
    text += CreatorAndOwner();
    text += "<weight xmlns=\"" + std::string(kQmNamespace) + "\">100</weight>\n";
    text += PlanningSection("testCaseDesign", "RQM-KEY-TC-DESIGN-TITLE",
                            CXMLConverter::ToXhtmlParagraphs(sections.design));
    text += PlanningSection("testCaseExpectedResults", "RQM-KEY-TC-EXP-RESULTS-TITLE",
                            CXMLConverter::ToXhtmlParagraphs(sections.expectedResults));
    text += PlanningSection("testCasePreCondition", "RQM-KEY-TC-PRE-COND-TITLE",
                            "<p><b>Vorbedingungen</b></p>\n" + CXMLConverter::ToXhtmlParagraphs(sections.preconditions));
    text += PlanningSection("dynamicSection_Testdaten", "Testdaten", "");
    for (const auto& [term, value] : kCategories)
        text += "<category term=\"" + std::string(term) + "\" value=\"" + std::string(value) + "\"/>\n";
    for (const std::string& file : scriptFiles)
        text += "<testscript href=\"" + Attribute(std::string(kServer) + std::string(kTestScriptService) +
                                                  Placeholder(file)) +
                "\"/>\n";
    return text + "</testcase>\n";
}
