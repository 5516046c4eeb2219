#include "capture/StandardDialogModels.h"

#include <cstdint>
#include <string>
#include <vector>

#include "model/WindowList.h"
#include "model/windows/WindowTypes.h"

namespace {

// Every window the wizard makes belongs to the standard controls' builder.
constexpr int kStandardGuiId = 999;
constexpr std::uint32_t kDialogStyle = 0x90C80080;
constexpr std::uint32_t kStaticStyle = 0x10000000;
constexpr std::uint32_t kButtonStyle = 0x10010000;
constexpr std::uint32_t kDefaultButtonStyle = 0x10010001;
constexpr std::uint32_t kGroupBoxStyle = 0x10000007;
constexpr std::uint32_t kCheckBoxStyle = 0x10010003;
constexpr std::uint32_t kDropDownStyle = 0x10010103;

// A text in both languages.
struct Texts {
    const char* english;
    const char* german;
    std::string In(int language) const { return language == kGermanDialog ? german : english; }
};

struct ControlSpec {
    const char* baseName;
    int type;
    const char* className;
    std::string tag;
    std::string caption;
    std::uint32_t style;
    int tab;
    WindowRect rect;
    // The initial value of an input field.
    std::string initialValue{};
    // The control whose child it is: an index into the dialog's controls, -1 for the dialog.
    int parent = -1;
    // A group box whose text is the name of the control after it.
    bool textNamesNext = false;
};

struct DialogSpec {
    const char* baseName;
    std::string title;
    WindowRect rect;
    std::vector<ControlSpec> controls;
};

// A control whose caption is its tag.
ControlSpec Labelled(const char* baseName, int type, const char* className, const std::string& text,
                     std::uint32_t style, int tab, WindowRect rect) {
    return {baseName, type, className, text, text, style, tab, rect};
}

// A control without caption, found by the text of its label.
ControlSpec Uncaptioned(const char* baseName, int type, const char* className, const std::string& tag,
                        std::uint32_t style, int tab, WindowRect rect) {
    return {baseName, type, className, tag, "", style, tab, rect};
}

DialogSpec PrintDialog(int language) {
    auto text = [language](const char* english, const char* german) { return Texts{english, german}.In(language); };
    const std::string name = text("Name:", "Name:");
    const std::string comment = text("Comment:", "Kommentar:");
    const std::string from = text("from:", "von:");
    const std::string to = text("to:", "bis:");
    const std::string copies = text("Copies", "Exemplare");
    const std::string numberOfCopies = text("Number of copies:", "Anzahl der Exemplare:");
    DialogSpec dialog{"IDD_PRINT", text("Print", "Drucken"), {0, 0, 455, 325}, {}};
    std::vector<ControlSpec>& c = dialog.controls;
    c.push_back(Labelled("IDC_PRINT_GROUPBOX", kWndGroupBox, "Button", text("Printer", "Drucker"), kGroupBoxStyle, 1,
                         {18, 32, 443, 166}));
    c.push_back(Labelled("IDC_STATIC", kWndStaticText, "Static", name, kStaticStyle, 2, {29, 57, 77, 72}));
    c.push_back(Uncaptioned("IDC_PRINTER_NAME", kWndComboBox, "ComboBox", name, kDropDownStyle, 3, {83, 52, 323, 72}));
    c.push_back(Labelled("IDC_PRINTER_PROPS", kWndPushButton, "Button", text("Properties", "Eigenschaften"),
                         kButtonStyle, 4, {333, 52, 433, 74}));
    c.push_back(Labelled("IDC_STATIC", kWndStaticText, "Static", text("Status:", "Status:"), kStaticStyle, 5,
                         {29, 82, 77, 97}));
    c.push_back(Labelled("IDC_STATIC", kWndStaticText, "Static", text("Type:", "Typ:"), kStaticStyle, 6,
                         {29, 102, 77, 117}));
    c.push_back(Labelled("IDC_STATIC", kWndStaticText, "Static", text("Where:", "Standort:"), kStaticStyle, 7,
                         {29, 122, 77, 137}));
    c.push_back({"IDC_STATIC", kWndStaticText, "Static", comment + "[1]", comment, kStaticStyle, 8, {29, 142, 128, 157}});
    c.push_back(Labelled("IDC_OUTPUTINFILE", kWndCheckBox, "Button", text("Print to file", "Ausgabe in Datei"),
                         kCheckBoxStyle, 9, {333, 142, 433, 157}));
    c.push_back(Labelled("IDC_RANGE_GROUPBOX", kWndGroupBox, "Button", text("Print range", "Druckbereich"),
                         kGroupBoxStyle, 10, {18, 174, 233, 277}));
    c.back().textNamesNext = true;
    c.push_back(Labelled("IDC_PRINT_ALL", kWndRadioButton, "Button", text("All", "Alle"), 0x10030009, 11,
                         {29, 197, 83, 212}));
    c.push_back(Labelled("IDC_PRINT_PAGES", kWndRadioButton, "Button", text("Pages", "Seiten"), 0x10000009, 12,
                         {29, 222, 83, 237}));
    c.push_back(Labelled("IDC_PRINT_SELECTION", kWndRadioButton, "Button", text("Selection", "Markierung"),
                         0x18000009, 13, {29, 247, 103, 262}));
    c.push_back(Labelled("IDC_STATIC", kWndStaticText, "Static", from, kStaticStyle, 14, {93, 222, 115, 237}));
    c.push_back(Uncaptioned("IDC_PRINT_FROM", kWndInputField, "Edit", from, kButtonStyle, 15, {117, 217, 155, 237}));
    c.back().initialValue = "1";
    c.push_back(Labelled("IDC_STATIC", kWndStaticText, "Static", to, kStaticStyle, 16, {163, 222, 183, 237}));
    c.push_back(Uncaptioned("IDC_PRINT_TO", kWndInputField, "Edit", to, kButtonStyle, 17, {185, 217, 223, 237}));
    c.back().initialValue = "2";
    c.push_back(Labelled("IDC_COPIES_GROUPBOX", kWndGroupBox, "Button", copies, kGroupBoxStyle, 18,
                         {245, 174, 443, 277}));
    c.push_back(Labelled("IDC_STATIC", kWndStaticText, "Static", numberOfCopies, kStaticStyle, 19,
                         {253, 197, 363, 210}));
    c.push_back(Uncaptioned("IDC_NUMCOPIES", kWndInputField, "Edit", numberOfCopies, kButtonStyle, 20,
                            {368, 197, 436, 217}));
    c.back().initialValue = "1";
    c.push_back({"IDC_ICONCOPIES", kWndCustom, "", "[Icon]" + copies, copies, kStaticStyle, 21, {253, 229, 353, 257}});
    c.push_back(Labelled("IDC_PRINT_SORT", kWndCheckBox, "Button", text("Collate", "Sortieren"), kCheckBoxStyle, 22,
                         {372, 237, 435, 250}));
    c.push_back(Labelled("IDC_OK", kWndPushButton, "Button", "OK", kDefaultButtonStyle, 23, {293, 290, 363, 312}));
    c.push_back(Labelled("IDC_CANCEL", kWndPushButton, "Button", text("Cancel", "Abbrechen"), kButtonStyle, 24,
                         {373, 290, 443, 312}));
    return dialog;
}

struct MessageButton {
    const char* baseName;
    Texts caption;
    WindowRect rect;
};

// The buttons of each message box style, the default one first.
std::vector<MessageButton> ButtonsOfStyle(int style) {
    const MessageButton abort{"IDABORT", {"Abort", "Abbrechen"}, {78, 76, 153, 97}};
    const MessageButton retryOfThree{"IDRETRY", {"Retry", "Wiederholen"}, {168, 76, 243, 97}};
    const MessageButton ignore{"IDIGNORE", {"Ignore", "Ignorieren"}, {258, 76, 333, 97}};
    const WindowRect leftOfTwo{123, 76, 198, 97};
    const WindowRect rightOfTwo{213, 76, 288, 97};
    const Texts cancel{"Cancel", "Abbrechen"};
    switch (style) {
        case 0: return {abort, retryOfThree, ignore};
        case 1: return {{"IDOK", {"OK", "OK"}, {168, 76, 243, 97}}};
        case 2: return {{"IDOK", {"OK", "OK"}, leftOfTwo}, {"IDCANCEL", cancel, rightOfTwo}};
        case 3: return {{"IDRETRY", {"Retry", "Wiederholen"}, leftOfTwo}, {"IDCANCEL", cancel, rightOfTwo}};
        case 4: return {{"IDYES", {"Yes", "Ja"}, leftOfTwo}, {"IDNO", {"No", "Nein"}, rightOfTwo}};
        case 5:
            return {{"IDYES", {"Yes", "Ja"}, {78, 76, 153, 97}},
                    {"IDNO", {"No", "Nein"}, {168, 76, 243, 97}},
                    {"IDCANCEL", cancel, {258, 76, 333, 97}}};
        default: return {};
    }
}

DialogSpec MessageBoxDialog(int style, int language) {
    DialogSpec dialog{"MESSAGE", Texts{"Message", "Nachricht"}.In(language), {0, 0, 400, 120}, {}};
    dialog.controls.push_back(
        Labelled("IDC_STATIC", kWndStaticText, "Static", dialog.title, kStaticStyle, 1, {13, 32, 203, 52}));
    int tab = 2;
    for (const MessageButton& button : ButtonsOfStyle(style)) {
        const std::uint32_t buttonStyle = tab == 2 ? kDefaultButtonStyle : kButtonStyle;
        dialog.controls.push_back(Labelled(button.baseName, kWndPushButton, "Button", button.caption.In(language),
                                           buttonStyle, tab++, button.rect));
    }
    return dialog;
}

struct FileDialogTexts {
    Texts title, folderLabel, fileNameLabel, fileTypeLabel, defaultButton;
};

DialogSpec FileDialog(int style, int language) {
    const FileDialogTexts open{{"Open", "Öffnen"},
                               {"Look in:", "Suchen in:"},
                               {"File name:", "Dateiname:"},
                               {"Files of type:", "Dateityp:"},
                               {"Open", "Öffnen"}};
    const FileDialogTexts save{{"Save as", "Speichern unter"},
                               {"Save in:", "Speichern in:"},
                               {"File name:", "Dateiname:"},
                               {"Save as type:", "Dateityp:"},
                               {"Save", "Speichern"}};
    const FileDialogTexts& texts = style == 1 ? save : open;
    const std::string folder = texts.folderLabel.In(language);
    const std::string fileName = texts.fileNameLabel.In(language);
    const std::string fileType = texts.fileTypeLabel.In(language);
    DialogSpec dialog{"IDD_FILEOPEN", texts.title.In(language), {0, 0, 425, 265}, {}};
    std::vector<ControlSpec>& c = dialog.controls;
    c.push_back(Labelled("IDC_STATIC", kWndStaticText, "Static", folder, kStaticStyle, 1, {13, 30, 78, 42}));
    c.push_back(Uncaptioned("IDC_LOOK_IN", kWndComboBox, "ComboBox", folder, kDropDownStyle, 2, {83, 27, 283, 44}));
    c.push_back(Uncaptioned("IDC_FILELIST", kWndListView, "SysListView32", folder, kButtonStyle, 3, {13, 55, 418, 187}));
    c.push_back(Labelled("IDC_STATIC", kWndStaticText, "Static", fileName, kStaticStyle, 4, {13, 199, 78, 217}));
    c.push_back(Uncaptioned("IDC_FILENAME", kWndInputField, "Edit", fileName, kButtonStyle, 5, {83, 197, 318, 217}));
    c.push_back(Labelled("IDC_STATIC", kWndStaticText, "Static", fileType, kStaticStyle, 6, {13, 227, 78, 242}));
    c.push_back(Uncaptioned("IDC_FILETYPE", kWndComboBox, "ComboBox", fileType, kDropDownStyle, 7, {83, 222, 283, 239}));
    c.push_back(Labelled("IDC_FILEOPEN", kWndPushButton, "Button", texts.defaultButton.In(language),
                         kDefaultButtonStyle, 8, {338, 197, 413, 222}));
    c.push_back(Labelled("IDC_CANCEL", kWndPushButton, "Button", Texts{"Cancel", "Abbrechen"}.In(language),
                         kButtonStyle, 9, {338, 227, 413, 252}));
    c.push_back(Uncaptioned("IDC_FILETOOLBAR", kWndToolBar, "ToolbarWindow32", "#1", kStaticStyle, 10,
                            {293, 24, 408, 50}));
    const int toolBar = static_cast<int>(c.size()) - 1;
    c.push_back(Uncaptioned("IDC_TOPDIRECTORY", kWndPushButton, "Button", "#1", kButtonStyle, 1, {5, 2, 27, 24}));
    c.back().parent = toolBar;
    c.push_back(Uncaptioned("IDC_CREATEDIR", kWndPushButton, "Button", "#2", kButtonStyle, 2, {35, 2, 57, 24}));
    c.back().parent = toolBar;
    return dialog;
}

// Makes the window under the name, enters it into the table and gives it its rectangle; null
// (and nothing kept) when the table refuses it.
CWindowKav* EnterWindow(CWindowList& windows, int type, const WindowFields& fields, const WindowRect& rect) {
    CWindowKav* window = CreateWindowOfType(type, fields);
    if (!window) return nullptr;
    window->SetRect(rect);
    if (!windows.Add(window)) {
        delete window;
        return nullptr;
    }
    return window;
}

CWindowKav* BuildDialog(CWindowList& windows, const DialogSpec& spec) {
    const WindowFields dialogFields{windows.MakeUniqueName(spec.baseName), 0, kStandardGuiId, "#32770", spec.title,
                                    1, spec.title, kDialogStyle, 0, 0};
    auto* dialog = static_cast<CDialogBoxKav*>(CreateWindowOfType(kWndDialogBox, dialogFields));
    dialog->SetSystemModal(true);
    dialog->SetRect(spec.rect);
    if (!windows.Add(dialog)) {
        delete dialog;
        return nullptr;
    }
    std::vector<CWindowKav*> made;
    std::string reservedName;
    for (size_t index = 0; index < spec.controls.size(); ++index) {
        const ControlSpec& control = spec.controls[index];
        std::string name = reservedName.empty() ? windows.MakeUniqueName(control.baseName) : reservedName;
        reservedName.clear();
        std::string extraText = control.initialValue;
        if (control.textNamesNext && index + 1 < spec.controls.size()) {
            reservedName = windows.MakeUniqueName(spec.controls[index + 1].baseName);
            extraText = reservedName;
        }
        const WindowFields fields{name, 0, kStandardGuiId, control.className, control.tag, 0, control.caption,
                                  control.style, 0, control.tab};
        CWindowKav* window = EnterWindow(windows, control.type, fields, control.rect);
        made.push_back(window);
        if (!window) continue;
        if (!extraText.empty())
            if (auto* withText = dynamic_cast<CExtraTextWindowKav*>(window)) withText->SetInitialValue(extraText);
        CWindowKav* parent = control.parent < 0 ? dialog : made[static_cast<size_t>(control.parent)];
        if (parent) parent->AddChild(window);
    }
    return dialog;
}

}  // namespace

CWindowKav* CreateStandardDialogModel(CWindowList& windows, int kind, int style, int language) {
    switch (kind) {
        case kFileDialogKind: return BuildDialog(windows, FileDialog(style, language));
        case kMessageBoxKind: return BuildDialog(windows, MessageBoxDialog(style, language));
        case kPrintDialogKind: return BuildDialog(windows, PrintDialog(language));
        default: return nullptr;
    }
}
