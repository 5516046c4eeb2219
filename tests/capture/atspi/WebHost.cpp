// A program under capture that shows a local web page in a browser view.
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/webview.h>

class WebHostApp : public wxApp {
public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Web Host", wxPoint(0, 0), wxSize(800, 600));
        auto* view = wxWebView::New(frame, wxID_ANY, wxFileName::FileNameToURL(wxFileName(KAVRO_WEB_PAGE)));
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(view, 1, wxEXPAND);
        frame->SetSizer(sizer);
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(WebHostApp);
