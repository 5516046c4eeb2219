#pragma once
// The group "Search in:" of the search windows: the start object or library, or the whole
// project.
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

inline wxSizer* SearchScopeBox(wxWindow* parent, wxRadioButton* start, wxRadioButton* whole) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, parent, "Search in:");
    box->Add(start, wxSizerFlags().Border(wxALL, 4));
    box->Add(whole, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxBOTTOM, 4));
    return box;
}
