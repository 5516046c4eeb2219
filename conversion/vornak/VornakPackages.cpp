// Test packages of the VORNAK exchange. In package mode what the product keeps of a package
// (its attributes, requirements and user-defined attributes) is copied from the product's
// document, so that writing the package back loses none of it.
#include <initializer_list>
#include <string_view>

#include "conversion/vornak/VornakFragments.h"
#include "model/TaskKav.h"
#include "model/WindowKav.h"
#include "persistence/XMLInterface.h"

namespace {

// Where the package's contents go while it is built; cut out of its text afterwards.
constexpr std::string_view kPlaceholder = "<INSERT_HERE/>\r\n";

constexpr const char* kCopiedPackageAttributes[] = {"val_ver", "situation", "priority",             "state",
                                                    "doc_name", "chapter",   "inherit_requirements", "inherit_attributes"};

VornakPackageText SplitAtPlaceholder(CXMLInterface& scratch) {
    scratch.AppendChildElement("INSERT_HERE", "");
    const std::string text = scratch.GetDocumentText();
    scratch.SetDocument();
    const size_t at = text.find(kPlaceholder);
    return {text.substr(0, at), text.substr(at + kPlaceholder.size())};
}

// The text of the product's next child of that name after the last one read, or "".
std::string NextChildText(CXMLInterface& product, std::string_view name) {
    return product.FindChildElement(name) ? product.GetCurrentChildData() : std::string();
}

void CopyChildAttributes(CXMLInterface& product, bool found, CXMLInterface& scratch,
                         std::initializer_list<const char*> names) {
    for (const char* name : names) scratch.SetChildAttribute(name, found ? product.GetCurrentChildAttribute(name) : "");
}

// The requirement that is the product's current child, entered and left again.
void CopyRequirement(CXMLInterface& product, CXMLInterface& scratch) {
    scratch.AppendChildElement("REQUIREMENT", "");
    CopyChildAttributes(product, true, scratch, {"id"});
    scratch.EnterChild();
    product.EnterChild();
    scratch.AppendChildElement("DESCRIPTION", NextChildText(product, "DESCRIPTION"));
    const bool hasStructure = product.FindChildElement("REQUIREMENTSTRUCTURE");
    scratch.AppendChildElement("REQUIREMENTSTRUCTURE", "");
    CopyChildAttributes(product, hasStructure, scratch, {"name", "version"});
    std::string structureText;
    if (hasStructure) {
        product.EnterChild();
        structureText = NextChildText(product, "DESCRIPTION");
        product.LeaveElement();
    }
    scratch.EnterChild();
    scratch.AppendChildElement("DESCRIPTION", structureText);
    scratch.LeaveElement();
    scratch.LeaveElement();
    product.LeaveElement();
}

// The children that the product keeps for the package, each search going on after the child
// found last.
void CopyProductChildren(CXMLInterface& product, CXMLInterface& scratch) {
    for (const char* name : {"DESCRIPTION", "PRECONDITION", "POSTCONDITION"})
        scratch.AppendChildElement(name, NextChildText(product, name));
    while (product.FindChildElement("ADD_TEST_LEVEL")) {
        scratch.AppendChildElement("ADD_TEST_LEVEL", "");
        CopyChildAttributes(product, true, scratch, {"name"});
    }
    while (product.FindChildElement("USER_DEFINED_ATTRIBUTE")) {
        scratch.AppendChildElement("USER_DEFINED_ATTRIBUTE", "");
        CopyChildAttributes(product, true, scratch, {"name", "value", "type"});
    }
    while (product.FindChildElement("REQUIREMENT")) CopyRequirement(product, scratch);
}

}  // namespace

VornakPackageText BuildWindowPackage(CXMLInterface& scratch, const CWindowKav& window) {
    scratch.SetDocument();
    scratch.AppendElement("TP", "");
    scratch.SetAttribute("user_defined_id", window.GetInternalID());
    scratch.SetAttribute("name", window.GetName());
    return SplitAtPlaceholder(scratch);
}

VornakPackageText BuildTaskPackage(CXMLInterface& scratch, const CTaskKav& task, bool packageMode,
                                   CXMLInterface* product) {
    scratch.SetDocument();
    scratch.AppendElement("TP", "");
    scratch.SetAttribute("user_defined_id", task.GetID());
    scratch.SetAttribute("name", task.GetName());
    scratch.SetAttribute("test_category", task.GetTestType());
    scratch.SetAttribute("document", task.GetDocPath());
    if (packageMode) scratch.SetAttribute("tp_type", "taskpackage");
    if (product) {
        for (const char* name : kCopiedPackageAttributes) scratch.SetAttribute(name, product->GetCurrentAttribute(name));
        CopyProductChildren(*product, scratch);
    } else {
        scratch.AppendChildElement("DESCRIPTION", task.GetDescription());
        scratch.AppendChildElement("PRECONDITION", task.GetPrecondition());
        scratch.AppendChildElement("POSTCONDITION", task.GetPostcondition());
    }
    return SplitAtPlaceholder(scratch);
}
