#pragma once
// Step events as items of a Ranorex recording. What a recording has an item for (a mouse click,
// keys, setting an attribute, a window action, closing, validating an attribute) becomes that
// item; everything else becomes a call of a user-code method by name, which the Ranorex
// converter supplies. Every item addresses its window by the RanoreXPath of the window's tag.
//
// The key side turns the notation's keys ("<ctrl>-a") into Ranorex key sequences
// ("{ControlKey Down}{aKey Down}{aKey Up}{ControlKey Up}"); its key table is empty until
// InitRanorexKeyTable fills it.
#include <memory>
#include <string>

#include "conditions/EventParser.h"

class CRanorexEventParser : public CEventParser {
public:
    CRanorexEventParser();

    // A Ranorex tag is three lines joined by CR LF: the RanoreXPath, the preferred capability
    // and the capability list (which may hold further CR LF). True when both separators were
    // found; what was found before a missing one is set, the rest is empty.
    static bool SplitTag(const std::string& tag, std::string& path, std::string& capability,
                         std::string& capabilityList);

    // Ranorex's key names; the keyboard layout changes none of them. Returns 1.
    int InitRanorexKeyTable(int keyboard);
    // The Ranorex name of a character typed while Control or Alt is held ("a" gives "aKey",
    // "1" "D1", "ö" "Oemtilde"). 0 without a message when it is not one character; 0 with
    // W0362 when the character has no key.
    int TranslateComboChar(const std::string& character, std::string& out);

    // Separator menu items only.
    bool IsWindowUnsupported(const CWindowKav* window, int context) override;
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
    int TranslateVerify(const CWindowKav* window, const std::string& property, const std::string& first,
                        const std::string& second, const std::string& third, std::string& out) override;
    int TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property,
                      const std::string& value, std::string& out) override;
    // The text without its surrounding quotes; escapes stay.
    std::string TranslateValue(const CWindowKav* window, const std::string& value) override;
    // 1 with the whole sequence, or 0 with W0362, W1175 or W1176 (out unchanged).
    int TranslateKeySequence(const std::string& keys, std::string& out) override;
    // One character as it is (a blank is "Space"), else the key table's name; 0 with W0362.
    int TranslateKey(const std::string& key, std::string& out) override;
};

std::unique_ptr<CEventParser> CreateRanorexEventParser();
