// The page of a documented window: its picture, the window with its controls, and their
// transitions.
#include <cstdio>

#include "conditions/ValueTypes.h"
#include "docs/DocumentationPictures.h"
#include "docs/HTMLDlg.h"
#include "docs/HtmlText.h"
#include "docs/ObjectCells.h"
#include "docs/SortedLists.h"
#include "model/DisplayTexts.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"

namespace {

std::string PairText(int first, int second) {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", first, second);
    return text;
}

// The line of the window's type-specific value, or nothing for a type without one.
std::string TypeSpecificLine(const CWindowKav& window) {
    switch (window.GetType()) {
        case kWndDialogBox:
            if (const auto* dialogBox = dynamic_cast<const CDialogBoxKav*>(&window))
                return "<B>T: </B>SystemModal = " + BoolToYN(dialogBox->IsSystemModal());
            break;
        case kWndInputField:
        case kWndGroupBox:
        case kWndComboBox:
            if (const auto* textWindow = dynamic_cast<const CExtraTextWindowKav*>(&window))
                return "<B>T: </B>Value = " + HtmlText(textWindow->GetInitialValue());
            break;
        case kWndCheckBox:
            if (const auto* checkBox = dynamic_cast<const CCheckBoxKav*>(&window))
                return "<B>T: </B>Value = " + TriStateToText(checkBox->GetValue());
            break;
        case kWndTabControl:
            if (const auto* tabControl = dynamic_cast<const CTabControlKav*>(&window))
                return "<B>T: </B>Initial Page = " + HtmlText(tabControl->GetSelectedPageTitle());
            break;
        case kWndLink:
            if (const auto* link = dynamic_cast<const CExtraTextWindowKav*>(&window))
                return "<B>T: </B>URL = " + HtmlText(link->GetInitialValue());
            break;
        default: break;
    }
    return {};
}

}  // namespace

bool CHTMLDlg::WriteWindowPage(CWindowKav& window) {
    const std::string name = window.GetName();
    const std::string heading = GetWindowTypeName(window.GetType()) + " " + name;
    WritePageHeader(windowPages_.Page(&window, name), heading);
    Write("<H2>" + HtmlText(heading) + "</H2>\n");
    Write("<BR><BR>\n");
    WriteObjectImage(windowPages_.Picture(&window, name), [&](const std::filesystem::path& file) {
        return pictures_->SaveWindowPicture(window, file);
    });
    const std::vector<CWindowKav*> windows = CollectWindowControls(window);
    WriteObjectTableHead("Windows", {{30, "Window-ID / Caption"}, {13, "Type"}, {6, "Vis."}, {5, "En."}, {9, "X/Y"},
                                     {9, "W/H"}, {28, "Typespecific / Userdefined"}});
    WriteWindowRows(windows);
    Write("</TABLE><BR>\n");
    WriteObjectTableHead("Transitions", {{10, "Name"}, {20, "Start / Destination Window"}, {10, "Delay"},
                                         {30, "Event / Commands / Description / Results"}, {30, "Conditions / Actions"}});
    WriteTransitionRows(windows);
    Write("</TABLE><BR>\n");
    return WritePageEnd();
}

void CHTMLDlg::WriteWindowRows(const std::vector<CWindowKav*>& windows) {
    for (const CWindowKav* window : windows) {
        WriteCellOpening(30, true);
        Write("<FONT SIZE=2><P>" + HtmlText(window->GetName()) + "<BR>" + HtmlText(window->GetCaption()) +
              "</FONT></TD>\n");
        WritePlainCell(13, false, GetWindowTypeName(window->GetType()));
        WritePlainCell(6, false, BoolToYN(window->IsVisible()));
        WritePlainCell(5, false, BoolToYN(window->IsEnabled()));
        const WindowRect& rect = window->GetRect();
        WritePlainCell(9, false, PairText(rect.left, rect.top));
        WritePlainCell(9, false, PairText(rect.right - rect.left, rect.bottom - rect.top));
        WriteTypeSpecificCell(*window);
    }
}

// The type-specific line and the user-defined attributes share one cell, each after "<BR>".
void CHTMLDlg::WriteTypeSpecificCell(const CWindowKav& window) {
    WriteCellOpening(28, false);
    bool written = false;
    if (const std::string line = TypeSpecificLine(window); !line.empty()) {
        Write("<FONT SIZE=2><P>" + line);
        written = true;
    }
    for (const CAttributeKav* attribute : window.GetAttributes()) {
        Write(written ? "<BR>" : "<FONT SIZE=2><P>");
        Write("<B>U: </B>" + HtmlText(attribute->GetName()) + " = " + HtmlText(attribute->GetValue()) + "\n");
        written = true;
    }
    Write(written ? "</FONT>" : " ");
    Write("</TD>\n"
          "</TR>\n");
}

void CHTMLDlg::WriteTransitionRows(const std::vector<CWindowKav*>& windows) {
    for (const CWindowKav* window : windows) {
        for (const CTransitionKav* transition : SortTransitions(*window)) {
            WritePlainCell(10, true, HtmlText(transition->GetName()));
            const CWindowKav* destination = transition->GetDestWindow();
            WriteCellOpening(20, false);
            Write("<FONT SIZE=2><P><B>S: </B>" + HtmlText(window->GetName()) + "<BR><B>D: </B>" +
                  (destination ? HtmlText(destination->GetName()) : std::string()) + "</FONT></TD>\n");
            WritePlainCell(10, false, std::to_string(transition->GetDelay()));
            WriteCellOpening(30, false);
            Write(StepTextLines(*transition, kTransitionLabels));
            Write("</TD>\n");
            WriteConditionsAndActionsCell(*transition);
        }
    }
}

void CHTMLDlg::WriteConditionsAndActionsCell(const CTransitionKav& transition) {
    WriteCellOpening(30, false);
    bool written = false;
    const auto writeLine = [&](const std::string& line) {
        Write(written ? "<BR>" : "<FONT SIZE=2><P>");
        Write(line + "\n");
        written = true;
    };
    for (const CConditionKav* condition : transition.GetConditions()) writeLine("<B>C: </B>" + HtmlText(condition->GetText()));
    for (const CActionKav* action : transition.GetActions()) writeLine("<B>A: </B>" + ActionCall(*action));
    if (written) Write("</FONT>");
    Write("</TD>\n"
          "</TR>\n");
}
