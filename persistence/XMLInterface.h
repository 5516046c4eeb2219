#pragma once
// One XML document held as text together with an index of element positions. Writers build
// elements in place (every XML text the program writes goes through here); readers walk the
// elements of a message or exchange text without building a tree. It is a small, forgiving
// scanner, not a validating parser: start, end and empty-element tags, double-quoted attribute
// values, eight entity references; comments, processing instructions, declarations and CDATA
// sections are skipped between elements.
//
// Positions are byte offsets into the UTF-8 text; every delimiter the scanner looks for is
// ASCII, so a multi-byte character is never split.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CXMLInterface {
public:
    CXMLInterface();
    virtual ~CXMLInterface() = default;

    // Takes the text and indexes its first top-level element. False for an empty text or a text
    // that does not parse (the reason in GetParseError); the index is empty then, the text kept.
    bool SetDocument(std::string_view text = {});
    void ResetPosition();
    const std::string& GetDocumentText() const { return document_; }
    std::string GetParseError() const { return parseError_; }

    // Navigation; on failure the cursors keep their values.
    bool FindElement(std::string_view name = {});
    bool FindChildElement(std::string_view name = {});
    bool EnterChild();
    bool LeaveElement();

    // Reading by record index; index 0 or one not in use gives "".
    std::string GetElementName(int index) const;
    // Entity references decoded.
    std::string GetElementAttribute(int index, std::string_view name) const;
    // Text of an element without children; a CDATA section verbatim.
    std::string GetElementData(int index) const;

    std::string GetCurrentName() const { return GetElementName(current_); }
    std::string GetCurrentAttribute(std::string_view name) const { return GetElementAttribute(current_, name); }
    std::string GetCurrentData() const { return GetElementData(current_); }
    std::string GetCurrentChildName() const { return GetElementName(currentChild_); }
    std::string GetCurrentChildAttribute(std::string_view name) const {
        return GetElementAttribute(currentChild_, name);
    }
    std::string GetCurrentChildData() const { return GetElementData(currentChild_); }

    // Attribute iteration over the current element (or child): with no name the next attribute's
    // name, with a name that attribute's raw value (not decoded), searched from the cursor; the
    // name just returned can be asked for. "" at the end of the start tag.
    std::string GetNextAttributeName(bool restart, std::string_view name = {});
    std::string GetNextChildAttributeName(bool restart, std::string_view name = {});

    // Building. An element with a text is written "<n>text</n>", one without "<n/>"; each
    // element line ends in CR LF.
    bool AppendElement(std::string_view name, std::string_view text);
    bool AppendChildElement(std::string_view name, std::string_view text);
    bool SetAttribute(std::string_view name, std::string_view value);
    bool SetChildAttribute(std::string_view name, std::string_view value);
    // Write the attribute on the current element only when the value differs from the default;
    // 1 when it differs (also when there is no element to write it on), else 0.
    int SetStringAttribute(std::string_view name, std::string_view value, std::string_view defaultValue);
    int SetIntAttribute(std::string_view name, int value, int defaultValue);
    int SetBoolAttribute(std::string_view name, bool value, bool defaultValue);

    // Attribute values escape < & > ' " CR LF TAB; element text only < & >. Characters that
    // XML 1.0 cannot carry become a blank and invalid UTF-8 becomes U+FFFD, so that whatever is
    // written reads back. Element text that is complete CDATA sections only is kept as it is.
    // replaced (when given) is raised by the number of characters that had to be replaced.
    static std::string EscapeText(std::string_view text, bool forAttribute, int* replaced = nullptr);

    // Characters replaced by the builder since the last SetDocument, for the writer's log.
    int ReplacedCharacterCount() const { return replacedCharacters_; }

private:
    using Pos = std::ptrdiff_t;

    struct ElemPos {
        Pos start = 0;        // '<' of the start tag
        Pos startTagEnd = 0;  // '>' of the start tag
        Pos endTagStart = 0;  // '<' of the end tag, '/' of an empty tag; scan position while parsing
        Pos endTagEnd = 0;    // '>' of the end tag
        Pos following = 0;    // next '<' after a parsed element, just past the line break of a built one
        int parent = 0;
        int firstChild = 0;
        int nextSibling = 0;
    };

    struct Token {
        Pos start = 0;
        Pos end = -1;  // inclusive
        Pos next = 0;
        bool quoted = false;
    };

    // What sits at the attribute cursor: a token the next search must pass over first.
    enum class CursorMark { None, TagName, ReturnedName };
    struct AttributeCursor {
        Token token;
        CursorMark mark = CursorMark::None;
    };

    // Outcome of reading one tag while parsing.
    enum class TagKind { Error, ParentEnd, EmptyElement, OpenElement };

    bool IsEmptyElement(const ElemPos& e) const { return e.startTagEnd == e.endTagStart + 1; }
    bool IsInUse(int index) const { return index > 0 && index < nextFree_; }
    int NewRecord();
    int LastChild(int parent) const;

    // Scanning.
    bool NextToken(Token& token) const;
    bool TokenIs(const Token& token, char c) const;
    std::string_view TokenText(const Token& token) const;
    bool FindAttributeToken(AttributeCursor& cursor, std::string_view name) const;
    std::string NextAttributeOf(int index, bool restart, std::string_view name);
    Pos SkipToChar(Pos position, char c) const;  // -1 when there is none
    Pos NextTagFrom(Pos position) const;          // the next '<', or the end of the text
    std::string DecodeText(Pos first, Pos last) const;
    int ParseDocument();
    TagKind ParseTag(int parent, int& index);
    bool ParseEndTag(int index);
    void LinkChild(int parent, int& lastChild, int child);
    void SetParseError(std::string_view format, std::string_view name = {});

    // Building.
    int InsertElementText(int parent, int after, std::string_view name, std::string_view text);
    Pos SetAttributeText(int index, std::string_view name, std::string_view value);
    void ShiftPositions(int index, Pos delta);
    void ShiftSubtree(int index, Pos delta);
    char* OpenGap(Pos position, Pos removed, Pos length);
    std::string_view Escaped(std::string_view text, bool forAttribute);
    static void AppendEscaped(std::string& out, std::string_view text, bool forAttribute, int* replaced);
    // True when EscapeText would return the text unchanged (and count nothing).
    static bool NeedsNoEscape(std::string_view text, bool forAttribute);

    std::string document_;
    std::string escaped_;  // the last value that needed escaping, escaped
    int depth_ = 0;
    std::string parseError_;
    std::vector<ElemPos> records_;
    int current_ = 0;
    int currentChild_ = 0;
    int nextFree_ = 1;
    AttributeCursor attributeCursor_;
    int replacedCharacters_ = 0;
};
