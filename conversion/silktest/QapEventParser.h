#pragma once
// Step events as 4Test statements for SilkTest. Every statement addresses its window by the
// identifier under which the SilkTest converter declares it (GetWindowIdentifier). Windows that
// SilkTest reaches only through another one (radio buttons through their group, menu bars,
// separators, Java panels and Java group boxes without radio buttons) are unsupported: events on
// them fail, and the converter declares none of them.
#include <memory>
#include <string>

#include "conditions/EventParser.h"

class CQapEventParser : public CEventParser {
public:
    // The key table holds SilkTest's key names only.
    CQapEventParser();

    // The 4Test name of a window: its own name (none when unsupported), preceded by the name of
    // each captioned ancestor up to the first one, "." between them; uncaptioned ancestors add
    // nothing, but stand in for an unsupported window.
    std::string GetWindowIdentifier(const CWindowKav* window);
    // One Expand statement per level above the item of a tree path (levels joined by "/"), each
    // followed by a line feed and the outline marker of the next statement.
    static std::string GetExpandPath(const std::string& identifier, const std::string& path);

    bool IsWindowUnsupported(const CWindowKav* window, int context) override;
    // SilkTest finds an unsupported window through the window that stands in for it.
    bool IsTagOptional(const CWindowKav* window, int context) override;

    int TranslateCheck(const CWindowKav* window, int state, const std::string& item, int index,
                       std::string& out) override;
    int TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y, std::string& out) override;
    int TranslateType(const CWindowKav* window, const std::string& keys, std::string& out) override;
    int TranslateInput(const CWindowKav* window, const std::string& text, int row, int column,
                       std::string& out) override;
    int TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                        std::string& out) override;
    int TranslateExpand(const CWindowKav* window, const std::string& item, int expand, std::string& out) override;
    int TranslatePosition(const CWindowKav* window, const std::string& mode, int first, int second,
                          std::string& out) override;
    int TranslateScroll(const CWindowKav* window, char direction, int clicks, std::string& out) override;
    int TranslateClose(const CWindowKav* window, std::string& out) override;
    int TranslateVerify(const CWindowKav* window, const std::string& a1, const std::string& a2, const std::string& a3,
                        const std::string& a4, std::string& out) override;
    int TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property,
                      const std::string& value, std::string& out) override;
    // The text of a 4Test string literal: quotes doubled, escapes resolved; in a tree "|"
    // separates levels ("/" in 4Test) and a "/" inside a node's name becomes "?".
    std::string TranslateValue(const CWindowKav* window, const std::string& value) override;
    // Keys in angle brackets, keys joined by "-" in one bracket: "<ctrl>-a" gives "<Ctrl-a>".
    int TranslateKeySequence(const std::string& keys, std::string& out) override;
    int TranslateKey(const std::string& key, std::string& out) override;
    int InitKeyTable() override;
};

std::unique_ptr<CEventParser> CreateSilkTestEventParser();
