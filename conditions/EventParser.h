#pragma once
// Step events: the short texts such as Click(L, 2) or Type("<ctrl>s") that say what a step does
// to its window. CEventParser splits and checks them, evaluates their arguments for test
// generation and translates them into an outside tool's statements. A plain parser serves the
// step editor and the generators; each converter derives a tool parser that overrides the
// translation hooks and fills the key table with the tool's key notation.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "conditions/EventKey.h"
#include "platform/ObjectList.h"

class CCombination;
class CWindowKav;

// An event text split into its lower-cased name and up to four arguments. Arguments keep their
// quotes and escapes as written; only blanks outside quotes are gone.
struct EventParts {
    std::string name;
    std::array<std::string, 4> arguments;
    int count = 0;

    // The argument at 1 to 4, empty where missing.
    const std::string& Argument(int position) const { return arguments[position - 1]; }
};

// The item index that stands for the last entry of a list, wherever a hook receives one.
inline constexpr int kLastEntryIndex = -9999;

class CEventParser {
public:
    static constexpr int kKeyBuckets = 20;

    // Holds the base key table: every key name with an empty text.
    CEventParser();
    CEventParser(const CEventParser&) = delete;
    CEventParser& operator=(const CEventParser&) = delete;
    virtual ~CEventParser();

    // The shape of an event: a name alone, or a name with one to four arguments in brackets.
    // 1, or 0 with a message; the parts are emptied first.
    static int SplitEventString(std::string_view event, EventParts& parts);
    // Whether the event is valid for the window, as the step editor asks before it stores an
    // event. 1, or 0 with a message.
    int CheckEventString(std::string_view event, const CWindowKav* window);
    // The event as this parser's tool writes it: checks what the tool needs, prepares the
    // arguments and calls the hook of the event. The arguments are expected to be plain values
    // already (EvaluateArguments). 1, or 0 with a message; out is emptied first.
    int TranslateEventString(std::string_view event, const CWindowKav* window, std::string& out);

    // The event with each argument replaced by its value on the combination; constant stays
    // true while no argument holds a designator. An argument that does not evaluate is kept as
    // written. 1, or 0 with a message.
    int EvaluateArguments(std::string_view event, const CWindowKav* window, const CCombination& combination,
                          std::string& out, bool& constant) const;
    // The attribute of the window that the event sets ("" for the window's own value, "$row,col"
    // for a table cell) and the value: 1, 0 when it sets none (also without a window), -1 with
    // a message.
    int GetEventValue(std::string_view event, const CWindowKav* window, std::string& attribute, std::string& value,
                      const CCombination& combination) const;
    // Whether the event can set the attribute of the window to the value: 1, 0 (also without a
    // window), or -1 with a message. The combination is emptied first and receives the variable
    // values found.
    int EventSetsValue(std::string_view event, const CWindowKav* window, const std::string& attribute,
                       const std::string& value, CCombination& combination) const;
    // The satisfying-value search for the expression and the wanted value: 1, 0, or -1 with a
    // message (also when the expression does not parse).
    static int ExpressionCanTakeValue(std::string_view expression, const std::string& value, CCombination& combination);

    // The text between a leading and a trailing double quote, else the text itself.
    static std::string StripQuotes(std::string_view text);
    // Backslash escapes resolved: "\\" gives one backslash, a final lone backslash is dropped.
    static std::string RemoveEscapes(std::string_view text);
    // Key names in angle brackets inside a free text replaced by their tool notation; names
    // that are no key stay as written (the message of the last one stays in the buffer).
    // Returns 1.
    int TranslateKeyNames(std::string& text);

    // The key table: 20 buckets by HashKey; a name may occur twice and the first one counts.
    void AddKey(std::string_view name, int code, std::string text);
    int RemoveAllKeys();
    const CEventKey* FindKey(std::string_view name) const;
    // The sum of the name's UTF-16 code units modulo 20.
    static int HashKey(std::string_view name);

    // The tool's view of a window: TRUE for windows it cannot address. context is 0 when an
    // event is translated and 1 when a converter walks the GUI model for its own output.
    virtual bool IsWindowUnsupported(const CWindowKav* window, int context);
    // Whether the tool finds the window without a recognition tag of its own, so that a window
    // with an empty tag need not be reported. context as above. The base needs every tag.
    virtual bool IsTagOptional(const CWindowKav* window, int context);

    // The translation hooks, one per event kind. Each writes the tool's statement into out and
    // returns 1; any other result fails the translation, with the hook's message in the global
    // message buffer. The base hooks write nothing.
    // state: 0 FALSE, 1 TRUE, 2 UNDETERMINED; item: a list entry's text (index 0) or "" with
    // its index (kLastEntryIndex for the last).
    virtual int TranslateCheck(const CWindowKav* window, int state, const std::string& item, int index,
                               std::string& out);
    // button: 'L' or 'R'; on a tool bar clicks 0 and x the button index; on a table x and y
    // are row and column.
    virtual int TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y, std::string& out);
    // keys: the key sequence as TranslateKeySequence gave it.
    virtual int TranslateType(const CWindowKav* window, const std::string& keys, std::string& out);
    // text: TranslateValue of the argument; row and column 0 outside tables.
    virtual int TranslateInput(const CWindowKav* window, const std::string& text, int row, int column,
                               std::string& out);
    // item: TranslateValue of the entry text, or "" with its index; a group box gets the
    // radio button's caption as written.
    virtual int TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                                std::string& out);
    // expand: 1 expands, 0 collapses.
    virtual int TranslateExpand(const CWindowKav* window, const std::string& item, int expand, std::string& out);
    // mode: the first argument as written (Minimize, Maximize, Restore, Resize, Move); the
    // numbers are width and height or x and y, else 0.
    virtual int TranslatePosition(const CWindowKav* window, const std::string& mode, int first, int second,
                                  std::string& out);
    // direction: 'V' or 'H'.
    virtual int TranslateScroll(const CWindowKav* window, char direction, int clicks, std::string& out);
    virtual int TranslateClose(const CWindowKav* window, std::string& out);
    // The four arguments as split, empty where missing; some normalised ("LAST",
    // "_VERIFY_INPUTFIELD").
    virtual int TranslateVerify(const CWindowKav* window, const std::string& a1, const std::string& a2,
                                const std::string& a3, const std::string& a4, std::string& out);
    virtual int TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property,
                              const std::string& value, std::string& out);
    // A value argument (a quoted text, a number, a truth value) in the tool's notation; the
    // base keeps it, quotes included.
    virtual std::string TranslateValue(const CWindowKav* window, const std::string& value);
    // The quoted key sequence of a Type event in the tool's notation: 1, or 0 with a message.
    virtual int TranslateKeySequence(const std::string& keys, std::string& out);
    // One key: a single character, or a key name without its brackets. 1, or 0 with a message.
    virtual int TranslateKey(const std::string& key, std::string& out);
    // Adds this parser's keys to the table; returns 1. A tool parser that overrides it calls
    // RemoveAllKeys and then its own InitKeyTable from its constructor (the base constructor
    // cannot reach an override).
    virtual int InitKeyTable();

protected:
    // The bytes of the UTF-8 character that starts at the position (one byte for a stray byte).
    static size_t CharacterLength(std::string_view text, size_t at);
    // One character: a key that is typed as it is written.
    static bool IsSingleCharacter(std::string_view text);
    // The character of a key sequence at the position, read past it; a backslash makes the
    // character after it literal, and a final backslash gives nothing.
    static std::string TakeKeyCharacter(std::string_view sequence, size_t& at);
    // Adds the keys with their texts of the layout: 0 German, 1 US; any other layout adds
    // nothing. Returns 1.
    int AddLayoutKeys(std::span<const LayoutKeyText> keys, int layout);
    // The key table's text of the key name: 1, or 0 with the message, which names the key.
    int TranslateKeyName(const std::string& name, std::string& out, int unknownMessage) const;
    // A key sequence as the base reads it: characters, and names in angle brackets, each
    // through TranslateKey; a "<" inside a name and a name left open fail with the messages.
    int ReadKeySequence(const std::string& keys, std::string& out, int nameOpenTwiceMessage,
                        int nameOpenAtEndMessage);

private:
    void AddBaseKeys();

    std::array<OwningList<CEventKey>, kKeyBuckets> keys_;
};
