#include <gtest/gtest.h>

#include <string>

#include "conditions/ConditionEvaluator.h"
#include "conditions/EventParser.h"
#include "tests/conditions/EventWindows.h"
#include "tests/support/Refusal.h"

namespace {

struct CheckCase {
    const char* window;
    const char* event;
    const char* expected;  // "ok", a message code such as "W0304", or a whole message
};

class EventCheckTest : public EventWindowsTest {
protected:
    // "ok", the code of the refusal's message, or the whole message when the case names one.
    std::string Check(const CheckCase& c, CEventParser& parser) {
        const std::string message = Refusal([&] { return parser.CheckEventString(c.event, Window(c.window)); });
        if (message.empty()) return "ok";
        const std::string expected = c.expected;
        if (expected.size() != 5 || message.size() < 7) return message;
        return message.substr(message.size() - 6, 5);
    }

    void ExpectAll(std::initializer_list<CheckCase> cases, CEventParser&& parser = CEventParser()) {
        for (const CheckCase& c : cases) EXPECT_EQ(Check(c, parser), c.expected) << c.window << ": " << c.event;
    }
};

TEST_F(EventCheckTest, ShapeAndNames) {
    ExpectAll({
        {"Button", "", "Please enter a valid event! [W0281]"},
        {"Button", "Click()", "Missing parameter! [W0353]"},
        {"Button", "Foo", "Unknown Event 'foo'! [W0343]"},
        {"Button", "Foo(a b)", "Unknown Event 'foo'! [W0343]"},
        {"Menu", "Click", "Menus are only abstract windows that cannot receive an event! [W0284]"},
        {"Menu", "Click(", "Missing ')'! [W0349]"},  // the split comes first
    });
    EXPECT_EQ(Refusal([] { return CEventParser().CheckEventString("Click", nullptr); }),
              "Fatal Error: Missing window in function CheckEventString! [F0127]");
}

TEST_F(EventCheckTest, Click) {
    ExpectAll({
        {"Button", "Click", "ok"},
        {"Button", "CLICK(l, 2)", "ok"},
        {"Button", "click(R)", "ok"},
        {"Button", "Click(L,2,10)", "Invalid number of parameters for 'Click'! Usage: Click(L|R,1|2,X,Y) [W0304]"},
        {"Button", "Click(L,2,10,0)", "ok"},
        {"Button", "Click(L,2,-3,7px)", "ok"},
        {"Button", "Click(L,2,10,a)", "W0705"},
        {"Button", "Click(L,2,00,1)", "W0705"},
        {"Button", "Click(M)", "W0305"},
        {"Button", "Click(L,3)", "W0306"},
        {"Button", "Click(L,\"1\")", "W0306"},
        {"Dlg", "Click(R,1,5,5)", "ok"},
        {"Radio", "Click", "W0294"},
        {"Tools", "Click(4)", "ok"},
        {"Tools", "Click(4, r)", "ok"},
        {"Tools", "Click", "W0668"},
        {"Tools", "Click(1,L,2)", "W0669"},
        {"Tools", "Click(\"a\")", "W0670"},
        {"Tools", "Click(1, X)", "W0672"},
        {"Table", "Click(2,3)", "ok"},
        {"Table", "Click(2,3,r,2)", "ok"},
        {"Table", "Click(2)", "W0296"},
        {"Table", "Click(\"a\",3)", "W0298"},
        {"Table", "Click(1,TRUE)", "W0947"},
        {"Table", "Click(2,3,M)", "W0300"},
        {"Table", "Click(2,3,L,3)", "W0301"},
    });
}

TEST_F(EventCheckTest, CheckAndSelect) {
    ExpectAll({
        {"Box", "Check(TRUE)", "ok"},
        {"Box", "Check(UNDETERMINED)", "ok"},  // the translation tells two-state boxes apart
        {"Box", "Check(1)", "W0674"},
        {"Box", "Check(TRUE, FALSE)", "W0290"},
        {"Item", "Check(false)", "ok"},
        {"Popup", "Check(TRUE)", "W0288"},
        {"List", "Check(last, TRUE)", "ok"},
        {"List", "Check(\"a\", TRUE)", "ok"},
        {"List", "Check(2, TRUE)", "ok"},
        {"List", "Check(TRUE)", "W0675"},
        {"List", "Check(TRUE, TRUE)", "W0677"},
        {"List", "Check(\"a\", 5)", "W0678"},
        {"Tree", "Check(last, TRUE)", "W0676"},
        {"Tree", "Check(\"a\", TRUE)", "ok"},
        {"Button", "Check(TRUE)", "W0286"},
        {"List", "Select(last)", "ok"},
        {"View", "Select(\"a\", 2)", "ok"},
        {"Combo", "Select(3)", "ok"},
        {"List", "Select(2, 3)", "W0323"},
        {"List", "Select(TRUE)", "W0322"},
        {"List", "Select(1,1,1)", "W0321"},
        {"Tree", "Select(\"a\", 1)", "ok"},
        {"Tree", "Select(2)", "W0324"},
        {"Tree", "Select(\"a\", 0)", "W0325"},
        {"Group", "Select(\"Blue\")", "ok"},  // the translation looks for the radio button
        {"Group", "Select(1)", "W0330"},
        {"Group", "Select(\"a\", 1)", "W0329"},
        {"Tab", "Select(\"Page\")", "ok"},
        {"Tab", "Select(2)", "W0333"},
        {"Static", "Select(\"a\")", "W0335"},
        {"Tree", "Expand(\"a\", 1)", "ok"},
        {"Tree", "Expand(\"a\", 2)", "W0341"},
        {"Tree", "Expand(\"a\")", "W0339"},
        {"Tree", "Expand(3, 1)", "W0340"},
        {"Button", "Expand(\"a\", 1)", "W0337"},
    });
}

TEST_F(EventCheckTest, InputAndType) {
    ExpectAll({
        {"Input", "Input(\"a\")", "ok"},
        {"Input", "Input(5 + 3)", "ok"},
        {"Input", "Input", "W0166"},
        {"Input", "Input(\"a\",\"b\")", "W0345"},
        {"Combo", "Input(\"a\")", "ok"},
        {"Droplist", "Input(\"a\")", "W0312"},
        {"Table", "Input(2,3)", "ok"},
        {"Table", "Input(2,3,\"x\")", "ok"},
        {"Table", "Input(2,3,4)", "W0315"},
        {"Table", "Input(1)", "W0314"},
        {"Table", "Input(1,2,\"a\",4)", "W0346"},
        {"Static", "Input(\"a\")", "W0316"},
        {"Button", "Type(\"<enter\")", "Missing '>' after key name! [W0358]"},
        {"Button", "Type(\"<alt<\")", "Missing '>' after key name! [W0357]"},
        {"Button", "Type(\"<F13>\")", "Unknown key name F13! [W0361]"},
        {"Button", R"(Type("<ctrl>a\<b"))", "ok"},
        {"Button", "Type(\"a>b\")", "ok"},  // a ">" that closes no key name is a character
        {"Input", "Type(\"\")", "ok"},
        {"Button", "Type(a)", "W0679"},
        {"Button", "Type(ab)", "W0680"},
        {"Button", "Type(\"a\", \"b\")", "W0311"},
        {"Item", "Type(\"a\")", "W0309"},
    });
}

TEST_F(EventCheckTest, AnArgumentThatDoesNotParseFailsWithTheConditionLanguagesMessage) {
    ClearGlobalMessage();
    ASSERT_EQ(GetExpressionType(InitConditionContext(), "1 +"), 0);
    const std::string parserMessage = GetGlobalMessageBuffer();
    ASSERT_FALSE(parserMessage.empty());
    ExpectAll({
        {"Input", "Input(1 +)", parserMessage.c_str()},
        {"Box", "Check(1 +)", parserMessage.c_str()},
        {"Input", "Verify(Value, 1 +)", parserMessage.c_str()},
    });
}

TEST_F(EventCheckTest, WindowOperations) {
    ExpectAll({
        {"Dlg", "Position(RESIZE, 100, -1)", "W0654"},
        {"Dlg", "Position(resize, 0, 00)", "W0654"},
        {"Dlg", "Position(Resize, 0, 10)", "ok"},
        {"Dlg", "Position(MOVE, -100, 5)", "ok"},
        {"Dlg", "Position(move, x, 5)", "W0658"},
        {"Dlg", "Position(move, 5)", "W0656"},
        {"Dlg", "Position(Minimize)", "ok"},
        {"Main", "Position(maximize)", "ok"},
        {"Dlg", "Position(RESTORE, 1)", "W0650"},
        {"Dlg", "Position(Jump)", "W0660"},
        {"Dlg", "Position", "W0660"},
        {"Bare", "Position(MINIMIZE)", "W0644"},
        {"Button", "Position(RESIZE, 100, -1)", "'Position' is not allowed for this window type! [W0642]"},
        {"Dlg", "Close", "ok"},
        {"Dlg", "Close(1)", "W0666"},
        {"Bare", "Close", "W0664"},
        {"Input", "Close", "W0662"},
        {"Dlg", "Scroll(V, -10000)", "ok"},
        {"Table", "Scroll(h, 0)", "ok"},
        {"List", "Scroll(V, 10001)", "W0686"},
        {"Dlg", "Scroll(X, 1)", "W0684"},
        {"Dlg", "Scroll(V, a)", "W0685"},
        {"Dlg", "Scroll(V)", "W0683"},
        {"Button", "Scroll(V, 10001)", "'Scroll' is not allowed for this window type! [W0682]"},
    });
}

TEST_F(EventCheckTest, VerifyAndWait) {
    ExpectAll({
        {"Button", "Verify", "W0008"},
        {"Child", "Verify(Focus)", "ok"},
        {"Dlg", "Verify(Focus)", "W0010"},
        {"Bare", "Verify(Focus)", "W0010"},
        {"Item", "Verify(focus)", "W0012"},
        {"Child", "Verify(Focus, 1)", "W0014"},
        {"Button", "Verify(Caption, \"OK\")", "ok"},
        {"Button", "Verify(Caption)", "W0015"},
        {"Button", "Verify(Caption, TRUE)", "W0016"},
        {"Button", "Verify(ENABLED, TRUE)", "ok"},
        {"Button", "Verify(Enabled, 1)", "W0019"},
        {"Button", "Verify(Exists)", "ok"},
        {"Button", "Verify(Exists, 1)", "W0931"},
        {"Button", "Verify(Selection, \"a\")", "W0600"},
        {"List", "Verify(Selection, \"a\")", "ok"},
        {"Button", "Verify(Colour)", "W0760"},
        {"Button", "Verify(Value, 1)", "Verify(Value) is not allowed for this window type! [W0636]"},
        {"Input", "Verify(Value, \"x\")", "ok"},
        {"Input", "Verify(Value)", "W0605"},
        {"Box", "Verify(Value, UNDETERMINED)", "ok"},
        {"Box", "Verify(Value, \"x\")", "W0608"},
        {"Group", "Verify(Value, \"Red\")", "ok"},
        {"Group", "Verify(Value, 1)", "W0613"},
        {"Combo", "Verify(Value, \"a\")", "ok"},
        {"Combo", "Verify(Value, last, \"a\")", "ok"},
        {"Combo", "Verify(Value, \"a\", \"b\")", "W0627"},
        {"Combo", "Verify(Value)", "W0629"},
        {"Droplist", "Verify(Value, \"a\")", "W0624"},
        {"List", "Verify(Value, last, \"x\")", "ok"},
        {"View", "Verify(Value, 2, 3)", "W0621"},
        {"List", "Verify(Value, 1)", "W0619"},
        {"Tab", "Verify(Value, \"Page\")", "ok"},
        {"Table", "Verify(Value, 1, 2, \"x\")", "ok"},
        {"Table", "Verify(Value, 1, \"a\", \"x\")", "W0950"},
        {"Input", "Wait(100, Value, \"x\")", "ok"},
        {"Button", "Wait(100, caption, \"x\")", "ok"},
        {"Button", "Wait(100, Enabled, FALSE)", "ok"},
        {"Button", "Wait(100, Enabled, \"x\")", "W0765"},
        {"Button", "Wait(100, Value, \"x\")", "W0767"},
        {"Button", "Wait(\"a\", Caption, \"x\")", "W0762"},
        {"Button", "Wait(100, Size, 1)", "W0768"},
        {"Button", "Wait(100, Caption)", "W0761"},
    });
}

// A tool parser that knows fewer keys: the check asks the parser it runs on.
class TabLessParser : public CEventParser {
public:
    TabLessParser() {
        RemoveAllKeys();
        AddKey("enter", kNamedKey, "~");
    }
};

TEST_F(EventCheckTest, KeySequencesAreCheckedWithTheParsersOwnTable) {
    ExpectAll({{"Input", "Type(\"<enter>\")", "ok"}, {"Input", "Type(\"<tab>\")", "W0361"}}, TabLessParser());
}

}  // namespace
