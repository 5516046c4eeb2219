#pragma once
// The wx helpers both demo dialogs use: text between the rules and the controls, their message
// boxes, and radio groups in a group box.
#include <string>
#include <vector>

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/string.h>
#include <wx/window.h>

#include "demos/common/DemoMessage.h"

wxString ToWx(const std::string& text);
std::string FromWx(const wxString& text);

void ShowDemoMessage(wxWindow* parent, const DemoMessage& message);

// A group box added to the sizer, wide enough for its caption; controls in it are children of
// its static box.
wxStaticBoxSizer* AddGroupBox(wxWindow* parent, wxSizer* sizer, const char* caption);

struct RadioChoice {
    int id;
    const char* label;
};

// A group box holding one radio button per choice, the first starting the group; the box is
// added to the sizer. The buttons are created in the order given, which is their tab order.
std::vector<wxRadioButton*> AddRadioGroup(wxWindow* parent, wxSizer* sizer, const char* caption,
                                          const std::vector<RadioChoice>& choices);
// The index of the checked button of a group (the first when none is).
int CheckedIndex(const std::vector<wxRadioButton*>& group);
void CheckIndex(const std::vector<wxRadioButton*>& group, int index);
