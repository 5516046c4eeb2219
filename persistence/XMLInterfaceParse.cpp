// Indexing a document: the first top-level element and everything inside it. The walk keeps
// its own stack of open elements, so deep nesting cannot exhaust the call stack.
#include "persistence/XMLInterface.h"

#include "platform/Format.h"

int CXMLInterface::ParseDocument() {
    int top = 0;
    TagKind kind = ParseTag(0, top);
    if (kind == TagKind::Error) return -1;
    if (kind == TagKind::ParentEnd) {
        SetParseError("Element tag not found");
        return -1;
    }
    if (kind == TagKind::EmptyElement) return top;

    struct OpenElement {
        int index;
        int lastChild;
    };
    std::vector<OpenElement> open{{top, 0}};
    while (!open.empty()) {
        int parent = open.back().index;
        int child = 0;
        switch (ParseTag(parent, child)) {
            case TagKind::Error:
                return -1;
            case TagKind::EmptyElement:
                LinkChild(parent, open.back().lastChild, child);
                records_[parent].endTagStart = records_[child].endTagEnd + 1;
                break;
            case TagKind::OpenElement:
                LinkChild(parent, open.back().lastChild, child);
                open.push_back({child, 0});
                break;
            case TagKind::ParentEnd:
                if (!ParseEndTag(parent)) return -1;
                open.pop_back();
                if (!open.empty()) records_[open.back().index].endTagStart = records_[parent].endTagEnd + 1;
                break;
        }
    }
    return top;
}

void CXMLInterface::LinkChild(int parent, int& lastChild, int child) {
    if (lastChild)
        records_[lastChild].nextSibling = child;
    else
        records_[parent].firstChild = child;
    lastChild = child;
}

// Reads the next tag inside parent, from the parent's scan position (its end-tag start field),
// skipping processing instructions, comments, CDATA sections, declarations and text.
CXMLInterface::TagKind CXMLInterface::ParseTag(int parent, int& index) {
    index = NewRecord();
    records_[index].parent = parent;
    for (;;) {
        Pos open = SkipToChar(records_[parent].endTagStart, '<');
        if (open < 0) {
            SetParseError("Element tag not found");
            return TagKind::Error;
        }
        records_[index].start = open;
        records_[parent].endTagStart = open;

        Token token;
        token.next = open + 1;
        if (!NextToken(token)) {
            SetParseError("Abrupt end within tag");
            return TagKind::Error;
        }
        if (token.quoted) {
            SetParseError("Tag starts with quote");
            return TagKind::Error;
        }
        char first = document_[token.start];
        if (first == '/') {
            --nextFree_;
            index = 0;
            return TagKind::ParentEnd;
        }
        bool skipped = first == '?' || first == '!';
        std::string_view marker = ">";
        if (first == '?') {
            marker = "?>";
        } else if (first == '!') {
            char after = static_cast<size_t>(token.start + 1) < document_.size() ? document_[token.start + 1] : '\0';
            marker = after == '[' ? "]]>" : after == '-' ? "-->" : ">";
        }
        size_t found = document_.find(marker, static_cast<size_t>(open + 1));
        if (found == std::string::npos) {
            SetParseError("End of tag not found");
            return TagKind::Error;
        }
        if (skipped) {
            records_[parent].endTagStart = static_cast<Pos>(found);
            continue;
        }

        ElemPos& e = records_[index];
        e.startTagEnd = static_cast<Pos>(found);
        if (document_[found - 1] == '/') {
            e.endTagStart = e.startTagEnd - 1;
            e.endTagEnd = e.startTagEnd;
            e.following = NextTagFrom(e.endTagEnd);
            return TagKind::EmptyElement;
        }
        e.endTagStart = e.startTagEnd + 1;  // where the scan for children begins
        return TagKind::OpenElement;
    }
}

// The end tag of index, met where its children ended.
bool CXMLInterface::ParseEndTag(int index) {
    const std::string name = GetElementName(index);
    ElemPos& e = records_[index];
    Pos open = SkipToChar(e.endTagStart, '<');
    if (open < 0) {
        SetParseError("End tag of %s element not found", name);
        return false;
    }
    e.endTagStart = open;

    Token token;
    token.next = open + 1;
    if (!NextToken(token)) {
        SetParseError("End tag not completed for element %s", name);
        return false;
    }
    if (!TokenIs(token, '/')) {
        SetParseError("Expecting end tag of element %s", name);
        return false;
    }
    if (!NextToken(token)) {
        SetParseError("End tag not completed for element %s", name);
        return false;
    }
    if (token.quoted || TokenText(token) != name) {
        SetParseError("End tag does not correspond to %s", name);
        return false;
    }
    while (NextToken(token)) {
        if (TokenIs(token, '>')) {
            e.endTagEnd = token.start;
            e.following = NextTagFrom(e.endTagEnd);
            return true;
        }
    }
    SetParseError("End tag not completed for element %s", name);
    return false;
}

CXMLInterface::Pos CXMLInterface::NextTagFrom(Pos position) const {
    Pos next = SkipToChar(position, '<');
    return next < 0 ? static_cast<Pos>(document_.size()) : next;
}

void CXMLInterface::SetParseError(std::string_view format, std::string_view name) {
    parseError_ = Fmt(format, name);
}
