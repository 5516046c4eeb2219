#pragma once
// A small application to simulate: a main window "Main" with a button "Go", and a dialog box
// "Dlg" (opened by itself) with an input field "Name", a check box "Agree" and a button "OK".
// Every window is visible and enabled by its style; none exists before a test opens it.
#include <string>
#include <vector>

#include "model/ActionKav.h"
#include "model/Combination.h"
#include "tests/support/GlobalState.h"
#include "tests/support/WindowBuilder.h"

class SimulatedWindowsTest : public ProjectTest {
protected:
    SimulatedWindowsTest();

    // Records the window (and the controls opened with it) as existing.
    void Open(CWindowKav* window);
    // Records "<window><property>" (property "" for the window's value).
    void Set(CWindowKav* window, const std::string& property, const std::string& value);
    // A fresh state: the main window and the window open, the window active.
    void StartIn(CWindowKav* window);
    // The designator's value in the combination, else the model's; "?" when it does not read.
    std::string Read(const std::string& designator) const;

    // The predefined action with its arguments' values in order; the caller owns it.
    static CActionKav* Action(int code, const std::vector<std::string>& values);
    // Keeps the action until the test ends.
    CActionKav* Own(CActionKav* action) { return actions_.Add(action); }

    CWindowKav* mainWindow;
    CWindowKav* mainButton;
    CWindowKav* dialog;
    CWindowKav* edit;
    CWindowKav* agree;
    CWindowKav* okButton;
    CCombination combination;

private:
    OwningList<CActionKav> actions_;
};
