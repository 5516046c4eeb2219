#pragma once
// The small project the step editors' tests work on: global attributes N (Num) and S
// (String); a main window Main with the input field Edit1, the push button OK and the group box
// Group1 that gathers the radio button "YES"; the dialog box Dlg1; the data set Set1.
#include <string>

#include "model/AttributeKav.h"
#include "model/FileKav.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

class StepEditorModelTest : public ProjectTest {
protected:
    StepEditorModelTest() {
        project.AddAttribute("N");
        app.GetAttributes().Add(new CAttributeKav("S", 4, ""))->SetFile(project.Main());
        mainWindow = project.AddWindow("Main");
        AddControl(project, "Edit1", kWndInputField, mainWindow, {10, 150, 100, 170});
        AddControl(project, "OK", kWndPushButton, mainWindow, {10, 200, 60, 220}, "OK");
        AddControl(project, "Group1", kWndGroupBox, mainWindow, {0, 0, 200, 100}, "Answer");
        AddControl(project, "Radio1", kWndRadioButton, mainWindow, {10, 20, 90, 40}, "YES");
        project.AddWindow("Dlg1", nullptr, kWndDialogBox);
        project.AddDataSet("Set1");
    }

    CWindowKav* mainWindow;
};
