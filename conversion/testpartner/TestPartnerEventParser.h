#pragma once
// Step events as TestPartner Visual Basic statements. Every statement names its window by the
// TestPartner class and the window's tag, its attach name; the converter puts the statement
// after the attach statements of the window's captioned ancestor. Menu bars and separators are
// unsupported.
//
// A fresh parser knows no key names: FillKeyTable adds the key texts of the German (0) or US (1)
// keyboard, as the TestPartner converter does for the project's layout.
#include <memory>
#include <string>

#include "conditions/EventParser.h"

class CTestPartnerEventParser : public CEventParser {
public:
    CTestPartnerEventParser();

    // The key table of the layout: 0 German, 1 US; any other layout adds nothing. Returns 1.
    int FillKeyTable(int layout);

    // The TestPartner class of the window by its GUI builder (web page, Java, any other); empty
    // for windows TestPartner has no class for.
    static std::string GetTPClassName(const CWindowKav& window);
    // The window as statements name it: its class and its attach name, Class("attach name").
    static std::string AttachObject(const CWindowKav& window);
    // A tree item path "a|b" as TestPartner's "\a\b"; a "|" after a backslash stays.
    static std::string ToTreePath(const std::string& path);
    // The attach name without its "Caption=" part; the text as it is when it has none.
    static std::string RemoveCaptionPart(const std::string& attachName);

    bool IsWindowUnsupported(const CWindowKav* window, int context) override;
    // TestPartner reaches an unsupported window through the window that stands in for it.
    bool IsTagOptional(const CWindowKav* window, int context) override;

    int TranslateCheck(const CWindowKav* window, int state, const std::string& item, int index,
                       std::string& out) override;
    int TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y, std::string& out) override;
    int TranslateType(const CWindowKav* window, const std::string& keys, std::string& out) override;
    // A table cell gives an empty statement.
    int TranslateInput(const CWindowKav* window, const std::string& text, int row, int column,
                       std::string& out) override;
    int TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                        std::string& out) override;
    int TranslateExpand(const CWindowKav* window, const std::string& item, int expand, std::string& out) override;
    int TranslatePosition(const CWindowKav* window, const std::string& mode, int first, int second,
                          std::string& out) override;
    int TranslateScroll(const CWindowKav* window, char direction, int clicks, std::string& out) override;
    int TranslateClose(const CWindowKav* window, std::string& out) override;
    // One UserCheck of a condition, named after the window and the arguments.
    int TranslateVerify(const CWindowKav* window, const std::string& a1, const std::string& a2, const std::string& a3,
                        const std::string& a4, std::string& out) override;
    int TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property, const std::string& value,
                      std::string& out) override;
    // The text of a VB string literal: the quotes around it gone, quotes doubled, backslash
    // escapes resolved.
    std::string TranslateValue(const CWindowKav* window, const std::string& value) override;
    // Keys in TestPartner's notation: characters as they are ("{" and "}" braced), key names by
    // the table, and keys joined by "-" pressed together: "<ctrl>-a" gives "{Ctrl a}".
    int TranslateKeySequence(const std::string& keys, std::string& out) override;
    int TranslateKey(const std::string& key, std::string& out) override;
};

std::unique_ptr<CEventParser> CreateTestPartnerEventParser();
