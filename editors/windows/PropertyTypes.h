#pragma once
// What the property dialog of each window type shows beyond the common fields: one row per type
// code with the dialog's resource id and its own controls, each bound to the model value it
// reads and writes. The plain dialog reads and writes through the bindings; its window lays the
// controls out from the same row.
#include <string>
#include <vector>

class CWindowKav;

// Dialog ids of the controls that some window types add.
enum TypePropertyControl : int {
    kPropTitleBar = 1018,
    kPropSysMenu = 1017,
    kPropDialogStyle = 1093,
    kPropSystemModal = 1095,
    kPropGroup = 1160,
    kPropTabStop = 1161,
    kPropTabNumber = 1162,
    kPropMultiline = 1196,
    kPropNumber = 1117,
    kPropReadOnly = 1121,
    kPropWantReturn = 1120,
    kPropInitialValue = 1198,
    kPropGroupBoxValue = 1179,
    kPropDefaultButton = 1163,
    kPropAutoToggle = 1103,
    kPropTriState = 1104,
    kPropCheckValue = 1106,
    kPropBoxType = 1117,
    kPropComboSorted = 1116,
    kPropComboValue = 1118,
    kPropSelection = 1132,
    kPropListSorted = 1133,
    kPropFocus = 1152,
    kPropTabMultiline = 1153,
    kPropTabPages = 1144,
    kPropSort = 1142,
    kPropSingleSelect = 1143,
    kPropSeparator = 1213,
    kPropChecked = 1214,
    kPropPopup = 1215,
    kPropHasButtons = 1154,
    kPropEditLabels = 1251,
    kPropUrl = 1340,
};

enum class TypeControlKind {
    Check,   // a check box: the value is 0 or 1
    Number,  // an edit of digits read as an integer
    Text,    // an edit
    Choice,  // a drop-down list: the value is the chosen item's index, -1 for none
    Button,  // a push button the dialog handles itself
};

struct TypeControl {
    int id;
    TypeControlKind kind;
    std::string label;
    // A choice's fixed items, index = model value (the group box and check box fill theirs).
    std::vector<std::string> items{};
    // Check, Number, Choice.
    int (*readValue)(const CWindowKav&) = nullptr;
    void (*writeValue)(CWindowKav&, int) = nullptr;
    // Text (and the group box's choice, whose text is the value).
    std::string (*readText)(const CWindowKav&) = nullptr;
    void (*writeText)(CWindowKav&, const std::string&) = nullptr;
};

struct WindowTypeProperties {
    int resourceId;
    // In the order the window reads and writes them.
    std::vector<TypeControl> controls;
    // The menu bar's dialog shows only the window ID, the GUI builder and the tool button.
    bool onlyIdentity = false;
};

// The row of a type code 0 to 21.
const WindowTypeProperties& GetWindowTypeProperties(int type);
