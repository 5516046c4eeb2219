// A program under capture with a long list, whose rows the accessibility bus shows as objects of
// their own.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

class ListHostApp : public wxApp {
public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "List Host");
        wxArrayString rows;
        for (int i = 0; i < 2000; ++i) rows.Add(wxString::Format("Row %d", i));
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(new wxListBox(frame, wxID_ANY, wxDefaultPosition, wxSize(200, 200), rows), 1, wxEXPAND);
        sizer->Add(new wxButton(frame, wxID_ANY, "Go"));
        frame->SetSizerAndFit(sizer);
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(ListHostApp);
