#include "tests/generation/SimulatedWindows.h"

#include "generation/SimulationSupport.h"
#include "model/ActionCatalogue.h"
#include "platform/MessageBuffer.h"

namespace {

CWindowKav* Visible(CWindowKav* window, int method = 0) {
    window->SetStyle(win32::WS_VISIBLE);
    window->SetMethod(method);
    return window;
}

}  // namespace

SimulatedWindowsTest::SimulatedWindowsTest()
    : mainWindow(Visible(project.AddWindow("Main"), 1)),
      mainButton(Visible(project.AddWindow("Go", mainWindow, kWndPushButton))),
      dialog(Visible(project.AddWindow("Dlg", nullptr, kWndDialogBox), 1)),
      edit(Visible(project.AddWindow("Name", dialog, kWndInputField))),
      agree(Visible(project.AddWindow("Agree", dialog, kWndCheckBox))),
      okButton(Visible(project.AddWindow("OK", dialog, kWndPushButton))) {}

void SimulatedWindowsTest::Open(CWindowKav* window) { Set(window, ":$Exist", "TRUE"); }

void SimulatedWindowsTest::Set(CWindowKav* window, const std::string& property, const std::string& value) {
    ASSERT_EQ(AssignDesignator(PathText(window) + property, value, combination), 1) << GetGlobalMessageBuffer();
}

void SimulatedWindowsTest::StartIn(CWindowKav* window) {
    combination.RemoveAll();
    Open(mainWindow);
    Open(window);
    ASSERT_EQ(AssignDesignator("ActiveWnd", PathText(window), combination), 1);
}

std::string SimulatedWindowsTest::Read(const std::string& designator) const {
    std::string value;
    return ReadDesignator(designator, combination, value) ? value : "?";
}

CActionKav* SimulatedWindowsTest::Action(int code, const std::vector<std::string>& values) {
    CActionKav* action = FindPredefinedAction(GetActionCatalogue(), code)->Clone(0);
    for (size_t i = 0; i < values.size(); ++i) action->GetArguments()[i]->SetValue(values[i]);
    return action;
}
