#pragma once
// The SMURF properties of a window: the "smurfData" element with its description, SMURF type
// and application, and the identification properties as XML text. It edits a copy; OK rebuilds
// the copy with the three fixed children first and the parsed elements after them.
#include <memory>
#include <string>

#include "editors/framework/EditorDialog.h"

class CWindowKav;
class CXMLElement;

// Dialog ids of the controls.
enum SmurfPropsDlgControl : int {
    kSmurfSymbolicName = 1504,
    kSmurfType = 1505,
    kSmurfApplication = 1508,
    kSmurfDescription = 1506,
    kSmurfXml = 1509,
};

class CPropsSMURFDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 311;

    explicit CPropsSMURFDlg(EditorHost& host);
    ~CPropsSMURFDlg() override;

    // The edited copy of the tool data (a new "smurfData" element when there is none); null when
    // nothing is to change (read-only or Cancel).
    std::unique_ptr<CXMLElement> EditSmurfProperties(const CWindowKav& window, const CXMLElement* toolData,
                                                     bool readOnly);

    void OnInitDialog() override;
    // Refuses XML text that does not parse, with the reader's message.
    bool OnOK() override;

private:
    const CWindowKav* window_ = nullptr;
    std::unique_ptr<CXMLElement> copy_;
    bool readOnly_ = false;
    bool changed_ = false;
};
