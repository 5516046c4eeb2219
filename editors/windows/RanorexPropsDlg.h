#pragma once
// The Ranorex properties of a window: its tag split into the RanoreXPath, the preferred
// capability and the capability list, one line each. OK rebuilds the tag only when a field was
// edited, so a tag that is not in the three-line form survives an unedited OK.
#include <string>

#include "editors/framework/EditorDialog.h"

class CWindowKav;

// Dialog ids of the controls.
enum RanorexPropsDlgControl : int {
    kRanorexPath = 1493,
    kRanorexCapability = 1496,
    kRanorexCapabilityList = 1495,
};

class CPropsRanorexDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 310;

    explicit CPropsRanorexDlg(EditorHost& host);

    // The new tag; "" when the tag stays (read-only, Cancel, or nothing changed).
    std::string EditTag(const CWindowKav& window, const std::string& tag, bool readOnly);

    void OnInitDialog() override;
    bool OnOK() override;

private:
    std::string Fields() const;

    const CWindowKav* window_ = nullptr;
    std::string tag_;
    // The fields as they were shown at opening, CR LF between them.
    std::string fieldsAtOpen_;
    bool readOnly_ = false;
};
