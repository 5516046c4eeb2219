// Building a document in place: each insertion edits the one text and moves the stored
// positions after it, so appending costs no re-indexing.
#include "persistence/XMLInterface.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iterator>
#include <string>

namespace {

// Writes the pieces one after another into room made for them; gives the end.
template <class... Pieces>
char* Put(char* out, const Pieces&... pieces) {
    ((out = std::ranges::copy(std::string_view(pieces), out).out), ...);
    return out;
}

}  // namespace

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
    char digits[12];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    SetAttribute(name, std::string_view(digits, static_cast<size_t>(end - digits)));
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

    // Filled in place: a record copied whole right after its fields were written waits for them.
    bool openParent = false;
    ElemPos& e = records_[index];
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

    const std::string_view escaped = Escaped(text, false);
    const Pos textLength = static_cast<Pos>(escaped.size());
    Pos length = text.empty() ? nameLength + 5 : 2 * nameLength + textLength + 7;
    if (!text.empty()) {
        e.startTagEnd = e.start + nameLength + 1;
        e.endTagStart = e.startTagEnd + textLength + 1;
        e.endTagEnd = e.endTagStart + 2 + nameLength;
    } else {
        e.startTagEnd = e.start + nameLength + 2;
        e.endTagStart = e.startTagEnd - 1;
        e.endTagEnd = e.startTagEnd;
    }
    e.following = e.endTagEnd + 3;

    // "<p/>" becomes "<p>" CR LF, the new element, "</p>": the text replaces the '/'.
    const std::string parentName = openParent ? GetElementName(parent) : std::string();
    const Pos removed = openParent ? 1 : 0;
    if (openParent) {
        length += 5 + static_cast<Pos>(parentName.size());
        p.startTagEnd -= 1;
        p.endTagStart -= static_cast<Pos>(parentName.size()) + 1;
    }
    char* out = OpenGap(openParent ? e.start - 3 : e.start, removed, length);
    if (openParent) out = Put(out, ">\r\n");
    if (!text.empty())
        out = Put(out, "<", name, ">", escaped, "</", name, ">\r\n");
    else
        out = Put(out, "<", name, "/>\r\n");
    if (openParent) Put(out, "</", parentName);

    if (after) {
        e.nextSibling = records_[after].nextSibling;
        records_[after].nextSibling = index;
    } else {
        e.nextSibling = p.firstChild;
        p.firstChild = index;
    }
    ShiftPositions(index, length - removed);
    return index;
}

// An attribute is added, never replaced: writers set each name once.
CXMLInterface::Pos CXMLInterface::SetAttributeText(int index, std::string_view name, std::string_view value) {
    if (index == 0) return 0;
    const std::string_view escaped = Escaped(value, true);
    const Pos length = static_cast<Pos>(name.size() + escaped.size()) + 4;
    ElemPos& e = records_[index];
    char* out = OpenGap(IsEmptyElement(e) ? e.startTagEnd - 1 : e.startTagEnd, 0, length);
    Put(out, " ", name, "=\"", escaped, "\"");
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

// Makes room for length characters at position, in place of the removed ones there (never more
// than length): one move of what follows, which while building is short (the end tags of the
// element's ancestors), and the insertion is written straight into the room.
char* CXMLInterface::OpenGap(Pos position, Pos removed, Pos length) {
    const size_t at = static_cast<size_t>(position);
    const size_t following = document_.size() - at - static_cast<size_t>(removed);
    document_.resize(document_.size() + static_cast<size_t>(length - removed));
    char* room = document_.data() + at;
    std::memmove(room + length, room + removed, following);
    return room;
}

// The text as it goes into the document: itself when nothing in it needs escaping, else escaped
// into a buffer kept for the purpose.
std::string_view CXMLInterface::Escaped(std::string_view text, bool forAttribute) {
    if (NeedsNoEscape(text, forAttribute)) return text;
    escaped_.clear();
    AppendEscaped(escaped_, text, forAttribute, &replacedCharacters_);
    return escaped_;
}
