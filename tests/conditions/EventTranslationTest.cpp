#include <gtest/gtest.h>

#include <string>

#include "conditions/EventParser.h"
#include "platform/Format.h"
#include "tests/conditions/EventWindows.h"
#include "tests/support/Refusal.h"

namespace {

// A tool parser that writes what each hook receives; values pass through TranslateValue,
// which marks them.
class RecordingParser : public CEventParser {
public:
    int TranslateCheck(const CWindowKav* window, int state, const std::string& item, int index,
                       std::string& out) override {
        return Write(out, window, Fmt("check %d [%s] %d", state, item, index));
    }
    int TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y, std::string& out) override {
        return Write(out, window, Fmt("click %c %d %d %d", button, clicks, x, y));
    }
    int TranslateType(const CWindowKav* window, const std::string& keys, std::string& out) override {
        return Write(out, window, "type [" + keys + "]");
    }
    int TranslateInput(const CWindowKav* window, const std::string& text, int row, int column,
                       std::string& out) override {
        return Write(out, window, Fmt("input [%s] %d %d", text, row, column));
    }
    int TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                        std::string& out) override {
        return Write(out, window, Fmt("select [%s] %d %d", item, clicks, index));
    }
    int TranslateExpand(const CWindowKav* window, const std::string& item, int expand, std::string& out) override {
        return Write(out, window, Fmt("expand [%s] %d", item, expand));
    }
    int TranslatePosition(const CWindowKav* window, const std::string& mode, int first, int second,
                          std::string& out) override {
        return Write(out, window, Fmt("position %s %d %d", mode, first, second));
    }
    int TranslateScroll(const CWindowKav* window, char direction, int clicks, std::string& out) override {
        return Write(out, window, Fmt("scroll %c %d", direction, clicks));
    }
    int TranslateClose(const CWindowKav* window, std::string& out) override { return Write(out, window, "close"); }
    int TranslateVerify(const CWindowKav* window, const std::string& a1, const std::string& a2, const std::string& a3,
                        const std::string& a4, std::string& out) override {
        return Write(out, window, Fmt("verify [%s] [%s] [%s] [%s]", a1, a2, a3, a4));
    }
    int TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property,
                      const std::string& value, std::string& out) override {
        return Write(out, window, Fmt("wait %d %s [%s]", milliseconds, property, value));
    }
    std::string TranslateValue(const CWindowKav*, const std::string& value) override { return "V" + value; }

    // The tool refuses a window by name.
    bool IsWindowUnsupported(const CWindowKav* window, int context) override {
        EXPECT_EQ(context, 0);
        return window->GetName() == unsupported;
    }

    std::string unsupported;

private:
    static int Write(std::string& out, const CWindowKav* window, const std::string& statement) {
        out = window->GetName() + ": " + statement;
        return 1;
    }
};

struct TranslationCase {
    const char* window;
    const char* event;
    const char* expected;  // the statement without the window, or the code of the refusal
};

class EventTranslationTest : public EventWindowsTest {
protected:
    // The statement, or the message of the refusal.
    std::string Translate(CEventParser& parser, const std::string& window, const std::string& event) {
        std::string out = "stale";
        const std::string message = Refusal([&] { return parser.TranslateEventString(event, Window(window), out); });
        return message.empty() ? out : message;
    }

    void ExpectAll(std::initializer_list<TranslationCase> cases) {
        RecordingParser parser;
        for (const auto& [window, event, expected] : cases)
            EXPECT_EQ(Translate(parser, window, event), std::string(window) + ": " + expected) << event;
    }
    void ExpectRefusals(std::initializer_list<TranslationCase> cases) {
        RecordingParser parser;
        for (const auto& [window, event, code] : cases) {
            const std::string message = Translate(parser, window, event);
            EXPECT_TRUE(message.ends_with(std::string("[") + code + "]")) << window << ": " << event << ": " << message;
        }
    }
};

TEST_F(EventTranslationTest, HooksReceiveThePreparedArguments) {
    ExpectAll({
        {"Table", "Click(2,3)", "click L 1 2 3"},
        {"Table", "Click(2,3,r,2)", "click R 2 2 3"},
        {"Tools", "Click(4)", "click L 0 4 0"},
        {"Tools", "Click(4, r)", "click R 0 4 0"},
        {"Button", "Click", "click L 1 1 1"},
        {"Button", "Click(r)", "click R 1 1 1"},
        {"Button", "Click(l, 2, 10, -20)", "click L 2 10 -20"},
        {"Box", "Check(true)", "check 1 [] 0"},
        {"TriBox", "Check(UNDETERMINED)", "check 2 [] 0"},
        {"Item", "Check(FALSE)", "check 0 [] 0"},
        {"List", "Check(3, true)", "check 1 [] 3"},
        {"Tree", "Check(\"a\", false)", "check 0 [V\"a\"] 0"},
        {"View", "Check(LAST, undetermined)", "check 2 [] -9999"},
        {"Input", "Type(\"<ctrl>a\\<b\")", "type [a<b]"},
        {"Input", "Input(\"abc\")", "input [V\"abc\"] 0 0"},
        {"Combo", "Input(12)", "input [V12] 0 0"},
        {"Table", "Input(2,3)", "input [VText] 2 3"},
        {"Table", "Input(2,3,\"x\")", "input [V\"x\"] 2 3"},
        {"List", "Select(last)", "select [] 1 -9999"},
        {"List", "Select(\"a b\", 2)", "select [V\"a b\"] 2 0"},
        {"Combo", "Select(4)", "select [] 1 4"},
        {"Group", "Select(\"red\")", "select [\"red\"] 1 0"},
        {"Tab", "Select(\"No such page\")", "select [V\"No such page\"] 1 0"},
        {"Tree", "Select(\"a\", 2)", "select [V\"a\"] 2 0"},
        {"Tree", "Expand(\"a\", 0)", "expand [V\"a\"] 0"},
        {"Dlg", "Position(Resize, 10, 20)", "position Resize 10 20"},
        {"Dlg", "Position(MOVE, -5, 0)", "position MOVE -5 0"},
        {"Main", "Position(minimize)", "position minimize 0 0"},
        {"List", "Scroll(h, -5)", "scroll H -5"},
        {"Dlg", "Close", "close"},
        {"Button", "Verify(Caption, \"OK\")", "verify [Caption] [\"OK\"] [] []"},
        {"Combo", "Verify(Value, \"t\")", "verify [Value] [\"t\"] [_VERIFY_INPUTFIELD] []"},
        {"Combo", "Verify(Value, Last, \"t\")", "verify [Value] [LAST] [\"t\"] []"},
        {"List", "Verify(Value, last, \"x\")", "verify [Value] [LAST] [\"x\"] []"},
        {"View", "Verify(value, 2, \"x\")", "verify [value] [2] [\"x\"] []"},
        {"Group", "Verify(Value, \"Red\")", "verify [Value] [\"Red\"] [] []"},
        {"Table", "Verify(Value, 1, 2, \"x\")", "verify [Value] [1] [2] [\"x\"]"},
        {"Child", "Verify(Focus)", "verify [Focus] [] [] []"},
        {"Input", "Wait(500, Value, \"x\")", "wait 500 Value [\"x\"]"},
        {"Button", "Wait(500, caption, \"x\")", "wait 500 caption [\"x\"]"},
    });
}

TEST_F(EventTranslationTest, RulesThatTheToolNeeds) {
    ExpectRefusals({
        {"Box", "Check(UNDETERMINED)", "W0292"},
        {"Item", "Check(UNDETERMINED)", "W0291"},
        {"Popup", "Check(TRUE)", "W0289"},
        {"Box", "Check(1)", "W0293"},
        {"List", "Check(x, TRUE)", "W0689"},
        {"List", "Check(1, 1)", "W0690"},
        {"Static", "Check(TRUE)", "W0287"},
        {"Radio", "Click", "W0295"},
        {"Tools", "Click(x)", "W0671"},
        {"Tools", "Click(1, M)", "W0673"},
        {"Table", "Click(1)", "W0299"},
        {"Table", "Click(1, 2, LL)", "W0302"},
        {"Table", "Click(1, 2, L, 3)", "W0303"},
        {"Button", "Click(X)", "W0307"},
        {"Button", "Click(L, 0)", "W0308"},
        {"Button", "Click(L, 1, 5, y)", "W0706"},
        {"Item", "Type(\"a\")", "W0310"},
        {"Input", "Type(\"<nokey>\")", "W0361"},
        {"Droplist", "Input(\"a\")", "W0313"},
        {"Table", "Input(a, 1)", "W1112"},
        {"Static", "Input(\"a\")", "W0317"},
        {"List", "Select(x)", "W0326"},
        {"List", "Select(1, 3)", "W0327"},
        {"Group", "Select(\"Blue\")", "W0331"},
        {"Tree", "Select(\"a\", 0)", "W0328"},
        {"Static", "Select(\"a\")", "W0336"},
        {"List", "Expand(\"a\", 1)", "W0338"},
        {"Tree", "Expand(\"a\", 2)", "W0342"},
        {"Button", "Position(MINIMIZE)", "W0643"},
        {"Bare", "Position(MINIMIZE)", "W0645"},
        {"Dlg", "Position(MINIMIZE, 1)", "W0647"},
        {"Dlg", "Position(MAXIMIZE, 1)", "W0649"},
        {"Dlg", "Position(RESTORE, 1)", "W0651"},
        {"Dlg", "Position(RESIZE, 1)", "W0653"},
        {"Dlg", "Position(RESIZE, 1, x)", "W0655"},
        {"Dlg", "Position(MOVE, 1)", "W0657"},
        {"Dlg", "Position(MOVE, x, 1)", "W0659"},
        {"Dlg", "Position(Jump)", "W0661"},
        {"Button", "Scroll(V, 1)", "W0691"},
        {"List", "Scroll(Y, 1)", "W0692"},
        {"List", "Scroll(V, x)", "W0693"},
        {"List", "Scroll(V, -10001)", "W0694"},
        {"Input", "Close", "W0663"},
        {"Bare", "Close", "W0665"},
        {"Dlg", "Verify(Focus)", "W0011"},
        {"Item", "Verify(Focus)", "W0013"},
        {"Button", "Verify(Exists, 1)", "W1039"},
        {"Button", "Verify(Caption)", "W0017"},
        {"Button", "Verify(Enabled, UNDETERMINED)", "W0020"},
        {"Button", "Verify(Selection, \"a\")", "W0601"},
        {"List", "Verify(Selection)", "W0604"},
        {"Button", "Verify(Size)", "W0639"},
        {"Input", "Verify(Value)", "W0606"},
        {"Group", "Verify(Value)", "W0612"},
        {"Group", "Verify(Value, \"Blue\")", "W0614"},
        {"Box", "Verify(Value)", "W0609"},
        {"Box", "Verify(Value, 1)", "W0610"},
        {"Droplist", "Verify(Value, \"a\")", "W0625"},
        {"Combo", "Verify(Value, x, \"a\")", "W0626"},
        {"Combo", "Verify(Value)", "W0630"},
        {"List", "Verify(Value, 1)", "W0622"},
        {"List", "Verify(Value, x, \"a\")", "W0623"},
        {"Tab", "Verify(Value)", "W0616"},
        {"Table", "Verify(Value, 1, 2)", "W0632"},
        {"Table", "Verify(Value, 1, x, \"a\")", "W0635"},
        {"Input", "Wait(x, Value, \"a\")", "W0769"},
        {"Button", "Wait(1, Value, \"a\")", "W0770"},
        {"Button", "Wait(1, Size, \"a\")", "W0771"},
    });
}

TEST_F(EventTranslationTest, MessagesThatNameTheWindowOrTheEvent) {
    RecordingParser parser;
    EXPECT_EQ(Translate(parser, "Button", "Verify(Value, 1)"),
              "Verify(Value) is not allowed for the window type of window 'Button'! [W0637]");
    EXPECT_EQ(Translate(parser, "Button", "Drag(1)"), "Unknown Event 'drag'! [W0334]");
    EXPECT_EQ(Translate(parser, "Menu", "Click"), "Menus are only abstract windows that cannot receive an event! [W0285]");
    EXPECT_EQ(Translate(parser, "Button", "Click("), "Missing ')'! [W0349]");

    // the tool's refusal of the window comes before the event is even split
    parser.unsupported = "Main";
    EXPECT_EQ(Translate(parser, "Main", "Click("), "The type of window Main is not supported by the test tool! [W0283]");

    std::string out = "stale";
    EXPECT_EQ(Refusal([&] { return parser.TranslateEventString("Click", nullptr, out); }),
              "Fatal Error: Missing window in function TranslateEventString! [F0128]");
    EXPECT_EQ(out, "");
}

TEST_F(EventTranslationTest, AHookThatFailsFailsTheTranslation) {
    class FailingParser : public CEventParser {
    public:
        int TranslateClose(const CWindowKav*, std::string& out) override {
            out = "partial";
            SetGlobalMessage("The tool cannot close windows.");
            return 2;  // anything but 1 is a failure
        }
    } parser;
    EXPECT_EQ(Translate(parser, "Dlg", "Close"), "The tool cannot close windows.");
}

TEST_F(EventTranslationTest, TheBaseParserTranslatesValidEventsToNothing) {
    CEventParser parser;
    for (const auto& [window, event] : {std::pair{"Button", "Click"}, {"Input", "Input(\"a\")"}, {"Input", "Type(\"<enter>\")"},
                                         {"List", "Select(last)"}, {"Dlg", "Close"}, {"Group", "Select(\"Red\")"}}) {
        std::string out = "stale";
        EXPECT_EQ(parser.TranslateEventString(event, Window(window), out), 1) << event;
        EXPECT_EQ(out, "") << event;
    }
}

}  // namespace
