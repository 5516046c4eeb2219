#pragma once
// The window wizard: the user chooses a kind of standard dialog, its style and a language, and
// OK puts a model of that dialog with all its controls into the window table.
#include <string>
#include <utility>
#include <vector>

#include "editors/framework/EditorDialog.h"

class CWindowKav;
class CWindowList;

class CWindowWizard : public EditorDialog {
public:
    static constexpr int kResourceId = 240;
    enum ControlId : int { kTypeList = 1248, kStyleList = 1249, kEnglish = 1250, kGerman = 1251 };

    CWindowWizard(EditorHost& host, CWindowList& windows);

    // Shows the dialog: the dialog window made on OK (already in the window table), or null.
    CWindowKav* Run();
    // Makes the model of the dialog kind (0 file dialog, 1 message box, 2 print dialog) in the
    // style and language (0 English, 1 German) and keeps its dialog window; a kind above 2
    // makes nothing.
    void CreateWindowModel(int type, int style, int language);
    CWindowKav* GetCreatedWindow() const { return created_; }

    void OnInitDialog() override;
    bool OnOK() override;
    // The type list's choice changed.
    void OnTypeChanged();

private:
    // An entry of a list: its text and the number it stands for, so that the number does not
    // depend on where the text sorts.
    using Entries = std::vector<std::pair<std::string, int>>;

    void FillStyles(int type);
    // The number of the list's chosen entry, -1 for none.
    int ChosenNumber(int control, const Entries& entries) const;

    CWindowList& windows_;
    Entries types_;
    Entries styles_;
    int language_ = -1;
    CWindowKav* created_ = nullptr;
};
