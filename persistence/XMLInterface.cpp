#include "persistence/XMLInterface.h"

CXMLInterface::CXMLInterface() { SetDocument(); }

bool CXMLInterface::SetDocument(std::string_view text) {
    document_.assign(text);
    parseError_.clear();
    replacedCharacters_ = 0;
    // One record per 64 characters is plenty for typical documents; the array never shrinks.
    size_t wanted = document_.size() / 64 + 8;
    if (records_.size() < wanted) records_.resize(wanted);
    records_[0] = ElemPos{};
    nextFree_ = 1;
    ResetPosition();
    if (document_.empty()) return false;

    int top = ParseDocument();
    if (top <= 0) {
        records_[0] = ElemPos{};
        nextFree_ = 1;
        return false;
    }
    records_[0].firstChild = top;
    return true;
}

void CXMLInterface::ResetPosition() {
    current_ = 0;
    currentChild_ = 0;
    depth_ = 0;
}

int CXMLInterface::NewRecord() {
    if (static_cast<size_t>(nextFree_) >= records_.size()) records_.resize(records_.size() + records_.size() / 2 + 1);
    records_[nextFree_] = ElemPos{};
    return nextFree_++;
}

int CXMLInterface::LastChild(int parent) const {
    int child = records_[parent].firstChild;
    while (child && records_[child].nextSibling) child = records_[child].nextSibling;
    return child;
}

bool CXMLInterface::FindElement(std::string_view name) {
    int candidate = current_ ? records_[current_].nextSibling : records_[0].firstChild;
    while (candidate && !name.empty() && GetElementName(candidate) != name) candidate = records_[candidate].nextSibling;
    if (!candidate) return false;
    current_ = candidate;
    currentChild_ = 0;
    return true;
}

bool CXMLInterface::FindChildElement(std::string_view name) {
    if (!current_ && !FindElement()) return false;
    if (IsEmptyElement(records_[current_])) return false;
    int candidate = currentChild_ ? records_[currentChild_].nextSibling : records_[current_].firstChild;
    while (candidate && !name.empty() && GetElementName(candidate) != name) candidate = records_[candidate].nextSibling;
    if (!candidate) return false;
    currentChild_ = candidate;
    return true;
}

bool CXMLInterface::EnterChild() {
    if (!currentChild_ && !FindChildElement()) return false;
    current_ = currentChild_;
    currentChild_ = 0;
    ++depth_;
    return true;
}

bool CXMLInterface::LeaveElement() {
    if (!current_ || depth_ == 0) return false;
    currentChild_ = current_;
    current_ = records_[current_].parent;
    --depth_;
    return true;
}

std::string CXMLInterface::GetElementName(int index) const {
    if (!IsInUse(index)) return {};
    Token token;
    token.next = records_[index].start + 1;
    if (!NextToken(token)) return {};
    return std::string(TokenText(token));
}

std::string CXMLInterface::GetElementAttribute(int index, std::string_view name) const {
    if (!IsInUse(index) || name.empty()) return {};
    AttributeCursor cursor;
    cursor.token.next = records_[index].start + 1;
    cursor.mark = CursorMark::TagName;
    if (!FindAttributeToken(cursor, name)) return {};
    return DecodeText(cursor.token.start, cursor.token.end);
}

std::string CXMLInterface::GetElementData(int index) const {
    if (!IsInUse(index)) return {};
    const ElemPos& e = records_[index];
    if (e.firstChild || IsEmptyElement(e)) return {};

    constexpr std::string_view kCdataOpen = "<![CDATA[";
    Token token;
    token.next = e.startTagEnd + 1;
    if (NextToken(token) && TokenIs(token, '<') && document_.compare(token.start, kCdataOpen.size(), kCdataOpen) == 0 &&
        token.start + 11 < e.endTagStart) {
        Pos contentStart = token.start + static_cast<Pos>(kCdataOpen.size());
        size_t close = document_.find("]]>", static_cast<size_t>(contentStart));
        if (close != std::string::npos && static_cast<Pos>(close) < e.endTagStart)
            return document_.substr(static_cast<size_t>(contentStart), close - static_cast<size_t>(contentStart));
    }
    return DecodeText(e.startTagEnd + 1, e.endTagStart - 1);
}

std::string CXMLInterface::GetNextAttributeName(bool restart, std::string_view name) {
    return NextAttributeOf(current_, restart, name);
}

std::string CXMLInterface::GetNextChildAttributeName(bool restart, std::string_view name) {
    return NextAttributeOf(currentChild_, restart, name);
}

std::string CXMLInterface::NextAttributeOf(int index, bool restart, std::string_view name) {
    if (!IsInUse(index)) return {};
    if (restart) {
        attributeCursor_ = AttributeCursor{};
        attributeCursor_.token.next = records_[index].start + 1;
        attributeCursor_.mark = CursorMark::TagName;
    }
    if (!FindAttributeToken(attributeCursor_, name)) return {};
    return std::string(TokenText(attributeCursor_.token));
}
