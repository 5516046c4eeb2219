#pragma once
// Step events as statements of WinRunner's test script language (TSL). Every statement names
// its window by the window's own name, the logical name of the GUI map; a combo box is reached
// through its two entries "<name>_list" and "<name>_edit". Radio buttons are reached through
// their group box; they, menu bars and separators are unsupported.
//
// A fresh parser knows no key names: LoadKeyboardLayout fills the table with the key texts of
// the German (0) or US (1) keyboard, as the WinRunner converter does for the project's layout.
#include <memory>
#include <string>

#include "conditions/EventParser.h"

class CWREventParser : public CEventParser {
public:
    CWREventParser();

    // The key table of the layout: 0 German, 1 US; any other layout leaves it empty. Returns 1.
    int LoadKeyboardLayout(int layout);

    bool IsWindowUnsupported(const CWindowKav* window, int context) override;
    // WinRunner finds an unsupported window through the window that stands in for it.
    bool IsTagOptional(const CWindowKav* window, int context) override;

    int TranslateCheck(const CWindowKav* window, int state, const std::string& item, int index,
                       std::string& out) override;
    int TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y, std::string& out) override;
    int TranslateType(const CWindowKav* window, const std::string& keys, std::string& out) override;
    int TranslateInput(const CWindowKav* window, const std::string& text, int row, int column,
                       std::string& out) override;
    // A single click selects an entry (list_select_item), a double click activates it.
    int TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                        std::string& out) override;
    int TranslateExpand(const CWindowKav* window, const std::string& item, int expand, std::string& out) override;
    int TranslatePosition(const CWindowKav* window, const std::string& mode, int first, int second,
                          std::string& out) override;
    int TranslateScroll(const CWindowKav* window, char direction, int clicks, std::string& out) override;
    int TranslateClose(const CWindowKav* window, std::string& out) override;
    // One m_verify checkpoint; the focus of a captioned window gives an empty statement.
    int TranslateVerify(const CWindowKav* window, const std::string& a1, const std::string& a2, const std::string& a3,
                        const std::string& a4, std::string& out) override;
    int TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property, const std::string& value,
                      std::string& out) override;
    // The text of a TSL string literal: quotes escaped, "\\" kept as two backslashes; in a tree
    // "|" separates levels (";" in TSL), a ";" of an item becomes "." and "\|" is a bar.
    std::string TranslateValue(const CWindowKav* window, const std::string& value) override;
    // Characters as they are (", <, > and \ escaped) and key names in angle brackets.
    int TranslateKeySequence(const std::string& keys, std::string& out) override;
    int TranslateKey(const std::string& key, std::string& out) override;
};

std::unique_ptr<CEventParser> CreateWinRunnerEventParser();
