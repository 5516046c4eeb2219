#include "shell/wx/WindowPaletteUi.h"

#include <wx/sizer.h>
#include <wx/tglbtn.h>

#include "shell/CommandIds.h"
#include "shell/FrameBars.h"
#include "shell/wx/ProductArt.h"

WindowPaletteUi::WindowPaletteUi(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
    auto* grid = new wxGridSizer(3, 2, 2);
    for (const PaletteButton& button : kPaletteButtons) {
        auto* toggle = new wxBitmapToggleButton(this, CommandToWindowId(button.command),
                                                CommandBitmap(button.command, button.name));
        toggle->SetToolTip(button.name);
        grid->Add(toggle);
    }
    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(grid, 0, wxALL, 2);
    SetSizerAndFit(layout);
}
