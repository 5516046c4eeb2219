// XML text to and from CXMLElement trees, for the tool data that dialogs let the user edit as
// text. Both walks keep their own stack, so that no nesting depth can exhaust the call stack.
#include <utility>
#include <vector>

#include "conversion/xml/XMLConverter.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"

namespace {

// Re-lays the document's lines with three blanks per open element. A line that does not start
// with a tag continues the text of the element above it; when it ends that element, the
// element is closed for the indentation as well.
std::string IndentElementLines(const std::string& text) {
    std::string indented;
    indented.reserve(text.size() + text.size() / 4);
    int depth = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + start, end - start);
        start = end + 2;
        const bool closes = line.find("</") != std::string_view::npos;
        if (line.size() < 2 || line[0] != '<') {
            indented.append(line).append("\r\n");
            if (closes && depth > 0) --depth;
            continue;
        }
        if (line[1] == '/' && depth > 0) --depth;
        indented.append(static_cast<size_t>(depth) * 3, ' ').append(line).append("\r\n");
        if (!line.ends_with("/>") && !closes) ++depth;
    }
    return indented;
}

}  // namespace

void CXMLConverter::AppendElementTree(const CXMLElement& root, bool top, TreeText content) {
    const auto textOf = [content](const CXMLElement& element) {
        return content == TreeText::AllElements || element.GetChildren().empty() ? element.GetValue() : std::string();
    };
    // Appends the element below the current one and enters it.
    const auto appendBelow = [&](const CXMLElement& element) {
        document_.AppendChildElement(MakeXmlName(element.GetName()), textOf(element));
        if (content == TreeText::AllElements)
            for (const CXMLAttribute* attribute : element.GetAttributes())
                document_.SetChildAttribute(MakeXmlName(attribute->GetName()), attribute->GetValue());
        document_.EnterChild();
    };
    if (top) {
        document_.AppendElement(MakeXmlName(root.GetName()), textOf(root));
        if (content == TreeText::AllElements)
            for (const CXMLAttribute* attribute : root.GetAttributes())
                document_.SetAttribute(MakeXmlName(attribute->GetName()), attribute->GetValue());
    } else {
        appendBelow(root);
    }
    std::vector<std::pair<const CXMLElement*, size_t>> open{{&root, 0}};
    while (!open.empty()) {
        auto& [element, next] = open.back();
        if (next < element->GetChildren().size()) {
            const CXMLElement& child = *element->GetChildren()[next++];
            appendBelow(child);
            open.emplace_back(&child, 0);
            continue;
        }
        open.pop_back();
        if (!open.empty() || !top) document_.LeaveElement();
    }
}

std::string CXMLConverter::WriteElementTree(const CXMLElement* element, bool indent) {
    if (!element) return {};
    document_.SetDocument();
    AppendElementTree(*element, true, TreeText::AllElements);
    std::string text = document_.GetDocumentText();
    document_.SetDocument();
    return indent ? IndentElementLines(text) : text;
}

namespace {

// The attributes of the document's current element (child: of its current child), in order.
void ReadAttributes(CXMLInterface& document, bool child, CXMLElement& element) {
    for (bool restart = true;; restart = false) {
        const std::string name =
            child ? document.GetNextChildAttributeName(restart) : document.GetNextAttributeName(restart);
        if (name.empty()) return;
        const std::string value =
            child ? document.GetCurrentChildAttribute(name) : document.GetCurrentAttribute(name);
        element.GetAttributes().Add(new CXMLAttribute(name, value));
    }
}

}  // namespace

std::unique_ptr<CXMLElement> CXMLConverter::ParseElementTree(std::string_view text) {
    if (!document_.SetDocument(text)) {
        // An empty text fails before the parser has anything to say.
        const std::string error = document_.GetParseError();
        SetGlobalMessage(error.empty() ? "Element tag not found" : error);
        return nullptr;
    }
    document_.ResetPosition();
    document_.FindElement();
    auto root = std::make_unique<CXMLElement>(document_.GetCurrentName());
    root->SetValue(document_.GetCurrentData());
    ReadAttributes(document_, false, *root);

    std::vector<CXMLElement*> open{root.get()};
    while (!open.empty()) {
        if (!document_.FindChildElement()) {
            open.pop_back();
            document_.LeaveElement();
            continue;
        }
        auto* child = new CXMLElement(document_.GetCurrentChildName());
        child->SetValue(document_.GetCurrentChildData());
        ReadAttributes(document_, true, *child);
        open.back()->GetChildren().Add(child);
        document_.EnterChild();
        open.push_back(child);
    }
    document_.SetDocument();
    return root;
}
