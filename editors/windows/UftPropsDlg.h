#pragma once
// The UFT identification properties of a window: its UFT name and class, the ordinal
// identifier, and the identification properties with those used for basic identification, all
// kept in the window's tool data in the layout of a UFT object repository entry. It edits a
// copy, which it returns when something was applied and the dialog ended with OK.
#include <memory>
#include <string>

#include "editors/framework/EditorDialog.h"

class CWindowKav;
class CXMLElement;

// Dialog ids of the controls.
enum UftPropsDlgControl : int {
    kUftName = 1490,
    kUftEnvironment = 1493,
    kUftClass = 1492,
    kUftOrdinalType = 1491,
    kUftOrdinalValue = 1494,
    kUftProperties = 1483,
    kUftPropertyName = 1484,
    kUftPropertyType = 1485,
    kUftConstant = 1499,
    kUftParameter = 1501,
    kUftValue = 1486,
    kUftParameterName = 1495,
    kUftRegex = 1093,
    kUftBasicId = 1094,
    kUftNew = 1488,
    kUftSet = 1487,
    kUftDelete = 1489,
};

class CPropsQTPDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 309;

    explicit CPropsQTPDlg(EditorHost& host);
    ~CPropsQTPDlg() override;

    // The edited copy of the tool data, or null: no tool data (W1184), read-only, Cancel, or
    // nothing applied.
    std::unique_ptr<CXMLElement> EditUftProperties(const CWindowKav& window, const CXMLElement* toolData,
                                                   bool readOnly);

    void OnInitDialog() override;
    // New: the entry fields start a new property.
    void OnNew() { SetEditMode(kNewProperty); }
    // Set: a new property, or the chosen one changed; false after a refusal.
    bool ApplyProperty();
    void OnDelete();
    // Constant Value or Parameter was chosen.
    void OnValueKind();
    // Another ordinal identifier type was chosen.
    void OnOrdinalType();
    bool OnOK() override;

    const CXMLElement& GetCopy() const { return *copy_; }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    enum EditMode : int { kNewProperty = 0, kChosenProperty = 1 };

    void SetEditMode(int mode);
    void OnPropertyChosen(CXMLElement* property);
    void AddRow(CXMLElement* property);
    std::vector<std::string> RowTexts(const CXMLElement& property) const;
    bool IsBasicIdentificationProperty(const std::string& name) const;
    void UpdateBasicIdentification(const std::string& name, bool used);
    CXMLElement* BasicIdentification() const;
    // The value of the entry fields as a "qtpRep:Value" or "qtpRep:Parameter" element.
    CXMLElement* MakeValueElement() const;
    bool IsParameterChosen() const;
    void ShowInvalidStructure();
    // The first entry of the choice that begins with the text, without regard to case; the
    // choice keeps its entry when none does.
    void SelectEntry(int id, const std::string& text);

    const CWindowKav* window_ = nullptr;
    std::unique_ptr<CXMLElement> copy_;
    CXMLElement* properties_ = nullptr;
    bool readOnly_ = false;
    bool newEntry_ = true;
    bool changed_ = false;
};
