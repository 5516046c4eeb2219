#pragma once
// Step events as UFT (QTP) VBScript statements. Every statement addresses its window by its
// object path: the UFT test objects of the window and its ancestors, outermost first, each its
// test-object class with its name in the object repository ("Dialog("Login").WinButton("OK")").
// Names and classes come from the UFT description that each window keeps as its tool data;
// windows that UFT reaches through another one (menu items of Windows menus, web radio buttons,
// SAP group boxes, ...) are left out of paths, and a window on the path without a description
// makes the path "ERROR".
//
// A fresh parser knows no key names: InitQtpKeyTable fills the table with UFT's key constants,
// as the UFT converter does.
#include <memory>
#include <string>

#include "conditions/EventParser.h"

class CQTPEventParser : public CEventParser {
public:
    CQTPEventParser();

    // UFT's key constants ("micReturn"); the same for every keyboard layout. Returns 1.
    int InitQtpKeyTable(int keyboard);

    // The object path of the window (see above).
    std::string GetObjectPath(const CWindowKav* window);
    // The UFT test-object class: the description's Class when the window has one, else the
    // class of its type for its GUI builder; "" for windows that UFT has no class for.
    static std::string GetQtpClass(const CWindowKav* window);
    // The captions of a menu item and the menu items above it, outermost first, joined by ";"
    // (a Java menu's top level left out); "" for any other window.
    static std::string GetMenuPath(const CWindowKav* window);

    bool IsWindowUnsupported(const CWindowKav* window, int context) override;
    // UFT reaches an unsupported window through the window that stands in for it.
    bool IsTagOptional(const CWindowKav* window, int context) override;

    // UNDETERMINED of a list or tree item has no UFT state: 0 with a message.
    int TranslateCheck(const CWindowKav* window, int state, const std::string& item, int index,
                       std::string& out) override;
    int TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y, std::string& out) override;
    int TranslateType(const CWindowKav* window, const std::string& keys, std::string& out) override;
    int TranslateInput(const CWindowKav* window, const std::string& text, int row, int column,
                       std::string& out) override;
    // A single click selects an entry, a double click activates it.
    int TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                        std::string& out) override;
    int TranslateExpand(const CWindowKav* window, const std::string& item, int expand, std::string& out) override;
    int TranslatePosition(const CWindowKav* window, const std::string& mode, int first, int second,
                          std::string& out) override;
    int TranslateClose(const CWindowKav* window, std::string& out) override;
    int TranslateVerify(const CWindowKav* window, const std::string& a1, const std::string& a2, const std::string& a3,
                        const std::string& a4, std::string& out) override;
    int TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property, const std::string& value,
                      std::string& out) override;
    // The text of a VBScript string literal, without its quotes: quotes doubled, escapes
    // resolved; in a tree "|" separates levels (";" in UFT) and "\|" is a bar.
    std::string TranslateValue(const CWindowKav* window, const std::string& value) override;
    // UFT key arguments: runs of characters in quotes and key constants, joined by " + "
    // ("Hello<enter>" gives "Hello" + micReturn). A held key ("<ctrl>") is pressed and released
    // at once, or around the keys joined to it by "-" ("<ctrl>-a" gives micCtrlDwn + "a" +
    // micCtrlUp). A ">" outside a key name is the key ">". 1, or 0 with W1175, W1176 or W1177.
    int TranslateKeySequence(const std::string& keys, std::string& out) override;
    // A character as it is (a quote doubled), else the key table's constant; 0 with W1177.
    int TranslateKey(const std::string& key, std::string& out) override;
};

std::unique_ptr<CEventParser> CreateUftEventParser();
