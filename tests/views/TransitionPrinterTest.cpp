// The text blocks that printing writes for transitions, and how they fall on pages.
#include <gtest/gtest.h>

#include "model/ActionKav.h"
#include "tests/support/WindowBuilder.h"
#include "tests/views/CountingSurface.h"
#include "views/print/TransitionPrinter.h"

namespace {

// A line of the counting surface's Arial 10 is 10 high; the printer adds 3.
constexpr int kLine = 13;

struct PrintedLine {
    std::string text;
    int x, y;
    bool italic, bold;
    bool operator==(const PrintedLine&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PrintedLine& line) {
    return out << '"' << line.text << "\" at " << line.x << "," << line.y << (line.italic ? " italic" : "")
               << (line.bold ? " bold" : "");
}

class TransitionPrinterTest : public ProjectTest {
protected:
    CWindowKav* start = project.AddWindow("Start");
    CWindowKav* destination = project.AddWindow("Dest");
    CTransitionKav* transition = project.AddTransition(start, "Start_T1");

    void SetUp() override {
        transition->SetDestWindow(destination);
        transition->SetEvent("{Click}");
    }
    CTransitionPrinter Printer(int y, const ViewRect& area, int pageToPrint) {
        return CTransitionPrinter(y, 1, area, pageToPrint, surface, app.GetMetaConditions());
    }
    std::vector<PrintedLine> Lines() const {
        std::vector<PrintedLine> lines;
        for (const DrawPrimitive& primitive : surface.drawn)
            if (const auto* text = std::get_if<draw::Text>(&primitive))
                lines.push_back({text->text, text->rect.left, text->rect.top, text->font.italic, text->font.weight == 700});
        return lines;
    }

    CountingSurface surface;
    const ViewRect area{0, 0, 500, 1000};
};

}  // namespace

TEST_F(TransitionPrinterTest, ABlockWithoutConditionsOrActionsSaysNoneTwice) {
    CTransitionPrinter printer = Printer(100, area, 1);
    printer.PrintTransition(*transition, 1, "Start", 0);
    EXPECT_EQ(Lines(), (std::vector<PrintedLine>{
                           {"1.", 0, 100, false, true},
                           {"Start -> Dest", 20, 100, false, true},
                           {"Event: {Click}", 0, 100 + kLine, false, false},
                           {"Conditions:", 0, 100 + 2 * kLine, false, false},
                           {"None.", 20, 100 + 3 * kLine, true, false},
                           {"Actions:", 0, 100 + 4 * kLine, false, false},
                           {"None.", 20, 100 + 5 * kLine, true, false},
                       }));
    EXPECT_EQ(printer.GetPosition(), (CTransitionPrinter::Position{100 + 6 * kLine, 1}));
}

TEST_F(TransitionPrinterTest, ConditionsListTheMetaConditionsTheyReachOnceBreadthFirst) {
    project.AddMetaCondition("A", "%B = 1");
    project.AddMetaCondition("B", "%A or %C");
    transition->GetConditions().Add(new CConditionKav("", "%A = 1 and %A > 0"));
    transition->GetConditions().Add(new CConditionKav("", "%a"));  // IDs are compared with case
    auto* action = new CActionKav(7, "SetText");
    action->GetArguments().Add(new CArgumentKav(1, "Field"));
    action->GetArguments().Add(new CArgumentKav(2, "A&B"));
    transition->GetActions().Add(action);
    transition->GetActions().Add(new CActionKav(8, "Close"));

    CTransitionPrinter printer = Printer(0, area, 1);
    printer.SetIndent(30);
    printer.PrintTransition(*transition, 2, "Start", 1);
    const int y = 3 * kLine;  // below the number, event and "Conditions:" lines
    const std::vector<PrintedLine> expected{
        {"2.", 30, 0, false, true},
        {"Start -> Dest", 60, 0, false, true},
        {"Event: {Click}", 30, kLine, false, false},
        {"Conditions:", 30, 2 * kLine, false, false},
        {"%A = 1 and %A > 0", 60, y, false, false},
        {"%a", 60, y + kLine, false, false},
        {"Referenced Metaconditions:", 30, y + 2 * kLine, false, false},
        {"A", 60, y + 3 * kLine, false, false},
        {"%B = 1", 150, y + 3 * kLine, false, false},
        {"a", 60, y + 4 * kLine, false, false},
        {"Undefined Condition.", 120, y + 4 * kLine, false, false},
        {"B", 60, y + 5 * kLine, false, false},
        {"%A or %C", 150, y + 5 * kLine, false, false},
        {"C", 60, y + 6 * kLine, false, false},
        {"Undefined Condition.", 120, y + 6 * kLine, false, false},
        {"Actions:", 30, y + 7 * kLine, false, false},
        {"SetText (Field, A&B)", 60, y + 8 * kLine, false, false},
        {"Close ()", 60, y + 9 * kLine, false, false},
    };
    EXPECT_EQ(Lines(), expected);
    // Ampersands are printed as they are.
    for (const DrawPrimitive& primitive : surface.drawn)
        EXPECT_TRUE(std::get<draw::Text>(primitive).format & kTextNoPrefix);
}

TEST_F(TransitionPrinterTest, OnlyReferencesOutsideStringsAndDesignatorsCount) {
    struct Case {
        const char* condition;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"%A and %A", {"A"}},
        {"\"%X\" = 1", {}},
        {"#Win:%Y# = 1", {}},
        {"%Name_2 > %b", {"Name_2", "b"}},
        {"% 3 and %+", {""}},  // a "%" without a name lists the empty name, once
    };
    for (const Case& c : cases) {
        CTransitionPrinter printer = Printer(0, area, 1);
        EXPECT_EQ(printer.CollectMetaReferences(CConditionKav("", c.condition)), c.names) << c.condition;
    }
}

TEST_F(TransitionPrinterTest, ALineThatWouldReachTheBottomStartsTheNextPageOnEveryPass) {
    const ViewRect page{10, 20, 500, 100};
    struct Case {
        int y;
        CTransitionPrinter::Position after;
    };
    // 87 + 13 reaches the bottom: the line goes to the top of page 2.
    const Case cases[] = {{86, {99, 1}}, {87, {20 + kLine, 2}}};
    for (const Case& c : cases) {
        std::vector<CTransitionPrinter::Position> positions;
        std::vector<std::size_t> drawn;
        for (const int pageToPrint : {0, 1, 2}) {
            surface.drawn.clear();
            CTransitionPrinter printer = Printer(c.y, page, pageToPrint);
            printer.OutputLine("Line", 0, true, CTransitionPrinter::kNormal);
            positions.push_back(printer.GetPosition());
            drawn.push_back(surface.drawn.size());
        }
        EXPECT_EQ(positions, (std::vector<CTransitionPrinter::Position>(3, c.after))) << c.y;
        EXPECT_EQ(drawn, (std::vector<std::size_t>{0, c.after.page == 1 ? 1u : 0u, c.after.page == 2 ? 1u : 0u})) << c.y;
    }

    // A long line wraps at the right edge and takes the height of its lines.
    CTransitionPrinter printer = Printer(0, {0, 0, 60, 1000}, 1);
    printer.OutputLine("one two three four", 0, true, CTransitionPrinter::kNormal);
    EXPECT_EQ(printer.GetPosition().y, 2 * 10 + 3);
}
