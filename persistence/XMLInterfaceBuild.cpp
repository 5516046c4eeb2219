// Building a document in place: each insertion edits the one text and moves the stored
// positions after it, so appending costs no re-indexing.
#include "persistence/XMLInterface.h"

#include <string>

bool CXMLInterface::AppendElement(std::string_view name, std::string_view text) {
    bool topLevel = current_ == 0 || records_[current_].parent == 0;
    if (topLevel) {
        if (records_[0].firstChild) return false;  // a document has one top element
        document_.clear();
        records_[0] = ElemPos{};
        nextFree_ = 1;
        depth_ = 0;
        current_ = InsertElementText(0, 0, name, text);
    } else {
        current_ = InsertElementText(records_[current_].parent, current_, name, text);
    }
    currentChild_ = 0;
    return true;
}

bool CXMLInterface::AppendChildElement(std::string_view name, std::string_view text) {
    if (!current_) return false;
    int after = currentChild_ ? currentChild_ : LastChild(current_);
    currentChild_ = InsertElementText(current_, after, name, text);
    return true;
}

bool CXMLInterface::SetAttribute(std::string_view name, std::string_view value) {
    if (!current_) return false;
    SetAttributeText(current_, name, value);
    return true;
}

bool CXMLInterface::SetChildAttribute(std::string_view name, std::string_view value) {
    if (!currentChild_) return false;
    SetAttributeText(currentChild_, name, value);
    return true;
}

int CXMLInterface::SetStringAttribute(std::string_view name, std::string_view value, std::string_view defaultValue) {
    if (value == defaultValue) return 0;
    SetAttribute(name, value);
    return 1;
}

int CXMLInterface::SetIntAttribute(std::string_view name, int value, int defaultValue) {
    if (value == defaultValue) return 0;
    SetAttribute(name, std::to_string(value));
    return 1;
}

int CXMLInterface::SetBoolAttribute(std::string_view name, bool value, bool defaultValue) {
    if (value == defaultValue) return 0;
    SetAttribute(name, value ? "1" : "0");
    return 1;
}

// Inserts "<name>text</name>" or "<name/>", each followed by CR LF, after the sibling `after`,
// or as the first child of parent; an empty parent "<p/>" is opened into "<p>" ... "</p>".
int CXMLInterface::InsertElementText(int parent, int after, std::string_view name, std::string_view text) {
    const int index = NewRecord();
    ElemPos& p = records_[parent];
    const Pos nameLength = static_cast<Pos>(name.size());

    bool openParent = false;
    ElemPos e;
    e.parent = parent;
    if (after) {
        e.start = records_[after].following;
    } else if (p.firstChild) {
        e.start = records_[p.firstChild].start;
    } else if (IsEmptyElement(p)) {
        e.start = p.startTagEnd + 2;
        openParent = true;
    } else {
        e.start = p.endTagStart;
    }

    std::string element;
    if (!text.empty()) {
        std::string escaped = Escape(text, false);
        element.append("<").append(name).append(">").append(escaped).append("</").append(name).append(">\r\n");
        e.startTagEnd = e.start + nameLength + 1;
        e.endTagStart = e.startTagEnd + static_cast<Pos>(escaped.size()) + 1;
        e.endTagEnd = e.endTagStart + 2 + nameLength;
    } else {
        element.append("<").append(name).append("/>\r\n");
        e.startTagEnd = e.start + nameLength + 2;
        e.endTagStart = e.startTagEnd - 1;
        e.endTagEnd = e.startTagEnd;
    }
    e.following = e.endTagEnd + 3;

    if (after) {
        e.nextSibling = records_[after].nextSibling;
        records_[after].nextSibling = index;
    } else {
        e.nextSibling = p.firstChild;
        p.firstChild = index;
    }

    Pos replaceAt = e.start;
    Pos replaceCount = 0;
    if (openParent) {
        // "<p/>" becomes "<p>" CR LF, the new element, "</p>": the text replaces the '/'.
        std::string parentName = GetElementName(parent);
        element = ">\r\n" + element + "</" + parentName;
        replaceAt = e.start - 3;
        replaceCount = 1;
        p.startTagEnd -= 1;
        p.endTagStart -= static_cast<Pos>(parentName.size()) + 1;
    }
    records_[index] = e;
    ReplaceText(replaceAt, replaceCount, element);
    ShiftPositions(index, static_cast<Pos>(element.size()) - replaceCount);
    return index;
}

// An attribute is added, never replaced: writers set each name once.
CXMLInterface::Pos CXMLInterface::SetAttributeText(int index, std::string_view name, std::string_view value) {
    if (index == 0) return 0;
    std::string text;
    text.append(" ").append(name).append("=\"").append(Escape(value, true)).append("\"");
    ElemPos& e = records_[index];
    Pos at = IsEmptyElement(e) ? e.startTagEnd - 1 : e.startTagEnd;
    ReplaceText(at, 0, text);
    const Pos length = static_cast<Pos>(text.size());
    e.startTagEnd += length;
    e.endTagStart += length;
    e.endTagEnd += length;
    e.following += length;
    ShiftPositions(index, length);
    return length;
}

// Everything after the start tag of index moves by delta: its descendants, the following
// siblings of it and of each ancestor (with their descendants), and the end of each ancestor.
void CXMLInterface::ShiftPositions(int index, Pos delta) {
    for (int child = records_[index].firstChild; child; child = records_[child].nextSibling) ShiftSubtree(child, delta);
    for (int node = index;;) {
        for (int sibling = records_[node].nextSibling; sibling; sibling = records_[sibling].nextSibling)
            ShiftSubtree(sibling, delta);
        int parent = records_[node].parent;
        if (parent == 0) break;
        ElemPos& p = records_[parent];
        p.endTagStart += delta;
        p.endTagEnd += delta;
        p.following += delta;
        node = parent;
    }
}

// Pre-order walk over the subtree of index through the parent and sibling links.
void CXMLInterface::ShiftSubtree(int index, Pos delta) {
    int node = index;
    for (;;) {
        ElemPos& e = records_[node];
        e.start += delta;
        e.startTagEnd += delta;
        e.endTagStart += delta;
        e.endTagEnd += delta;
        e.following += delta;
        if (e.firstChild) {
            node = e.firstChild;
            continue;
        }
        while (node != index && !records_[node].nextSibling) node = records_[node].parent;
        if (node == index) return;
        node = records_[node].nextSibling;
    }
}

void CXMLInterface::ReplaceText(Pos position, Pos count, std::string_view text) {
    document_.replace(static_cast<size_t>(position), static_cast<size_t>(count), text);
}

std::string CXMLInterface::Escape(std::string_view text, bool forAttribute) {
    return EscapeText(text, forAttribute, &replacedCharacters_);
}
