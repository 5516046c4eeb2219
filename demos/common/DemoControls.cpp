#include "demos/common/DemoControls.h"

#include <wx/msgdlg.h>
#include <wx/statbox.h>

wxString ToWx(const std::string& text) {
    return wxString::FromUTF8(text.data(), text.size());
}

std::string FromWx(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

void ShowDemoMessage(wxWindow* parent, const DemoMessage& message) {
    wxMessageBox(ToWx(message.text), ToWx(message.caption), wxOK | wxICON_EXCLAMATION, parent);
}

wxStaticBoxSizer* AddGroupBox(wxWindow* parent, wxSizer* sizer, const char* caption) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, parent, caption);
    // GTK leaves the caption out of the box's best size and would cut it off.
    const int captionWidth = box->GetStaticBox()->GetTextExtent(caption).GetWidth();
    box->SetMinSize(wxSize(captionWidth + 24, -1));
    sizer->Add(box, wxSizerFlags(1).Expand().Border(wxALL, 5));
    return box;
}

std::vector<wxRadioButton*> AddRadioGroup(wxWindow* parent, wxSizer* sizer, const char* caption,
                                          const std::vector<RadioChoice>& choices) {
    wxStaticBoxSizer* box = AddGroupBox(parent, sizer, caption);
    std::vector<wxRadioButton*> group;
    for (const RadioChoice& choice : choices) {
        const long style = group.empty() ? wxRB_GROUP : 0;
        auto* button = new wxRadioButton(box->GetStaticBox(), choice.id, choice.label,
                                         wxDefaultPosition, wxDefaultSize, style);
        box->Add(button, wxSizerFlags().Border(wxALL, 3));
        group.push_back(button);
    }
    return group;
}

int CheckedIndex(const std::vector<wxRadioButton*>& group) {
    for (size_t i = 0; i < group.size(); ++i) {
        if (group[i]->GetValue()) return static_cast<int>(i);
    }
    return 0;
}

void CheckIndex(const std::vector<wxRadioButton*>& group, int index) {
    if (index >= 0 && static_cast<size_t>(index) < group.size()) group[index]->SetValue(true);
}
