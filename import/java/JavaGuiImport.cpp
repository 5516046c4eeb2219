#include "import/java/JavaGuiImport.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string_view>
#include <vector>

#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "model/windows/WindowTypes.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr char kSeparator = '\xB6';
constexpr int kJavaGuiId = 996;

constexpr int kCannotOpen = 44373;         // [W0373]
constexpr int kFileEmpty = 44374;          // [W0374]
constexpr int kEmptyLine = 44375;          // [W0375]
constexpr int kClassMissing = 44376;       // [W0376]
constexpr int kMenuItemEnabled = 44377;    // [W0377] .. [W0379]
constexpr int kFirstCoordinate = 44380;    // [W0380] .. [W0383]
constexpr int kVisibleMissing = 44384;     // [W0384]
constexpr int kEnabledMissing = 44385;     // [W0385]
constexpr int kComboBoxType = 44386;       // [W0386]
constexpr int kDialogSysModal = 44387;     // [W0387]
constexpr int kInputMultiLine = 44388;     // [W0388]
constexpr int kInputReadOnly = 44389;      // [W0389]
constexpr int kListBoxMode = 44390;        // [W0390]
constexpr int kPushButtonDefault = 44391;  // [W0391]
constexpr int kTreeButtons = 44392;        // [W0392]
constexpr int kTreeEditLabels = 44393;     // [W0393]
constexpr int kUnknownKeyword = 44394;     // [W0394]
constexpr int kTooManyFields = 44395;      // [W0395]
constexpr int kFirstHasParent = 44396;     // [W0396]
constexpr int kTooManyTabs = 44397;        // [W0397]

// Sets the message: false.
template <class... A>
bool Refuse(int id, const A&... args) {
    SetMessage(id, args...);
    return false;
}

JavaImportHooks& Hooks() {
    static JavaImportHooks hooks;
    return hooks;
}

// The file's bytes are Latin-1 characters.
std::string FromLatin1(std::string_view bytes) {
    std::u16string wide;
    wide.reserve(bytes.size());
    for (char c : bytes) wide.push_back(static_cast<unsigned char>(c));
    return Utf16ToUtf8(wide);
}

CApplicationKav& Project() { return *CurrentApplication; }

bool IsMenuType(const CWindowKav& window) {
    return window.GetType() == kWndMenu || window.GetType() == kWndMenuItem;
}

// The fields of one object line, taken from the front.
class LineFields {
public:
    explicit LineFields(std::string line) : rest_(std::move(line)) {}

    std::string Next() {
        std::string field;
        SplitField(rest_, field);
        return field;
    }
    // A field that may not be empty: false with the message (caption inserted) set.
    bool Required(std::string& field, int messageId) {
        field = Next();
        if (field.empty()) SetMessage(messageId, caption_);
        return !field.empty();
    }
    bool RequiredInt(int& value, int messageId) {
        std::string field;
        if (!Required(field, messageId)) return false;
        value = ParseLeadingInt(field);
        return true;
    }
    bool AtEnd() const { return rest_.empty(); }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    const std::string& Caption() const { return caption_; }

private:
    std::string rest_;
    std::string caption_;
};

using ExtraFieldReader = bool (*)(LineFields& fields, CWindowKav& window);

bool ReadFlag(LineFields& fields, CWindowKav& window, std::uint32_t bit, int messageId) {
    int flag = 0;
    if (!fields.RequiredInt(flag, messageId)) return false;
    const std::uint32_t style = window.GetStyle();
    window.SetStyle(flag ? style | bit : style & ~bit);
    return true;
}

bool ReadNothing(LineFields&, CWindowKav&) { return true; }

bool ReadComboBoxType(LineFields& fields, CWindowKav& window) {
    int boxType = 0;
    if (!fields.RequiredInt(boxType, kComboBoxType)) return false;
    std::uint32_t style = window.GetStyle() & ~win32::CBS_TYPEMASK;
    if (boxType >= 0 && boxType <= 2) style |= static_cast<std::uint32_t>(boxType) + win32::CBS_SIMPLE;
    window.SetStyle(style);
    return true;
}

bool ReadDialogBoxFlags(LineFields& fields, CWindowKav& window) {
    return ReadFlag(fields, window, win32::DS_SYSMODAL, kDialogSysModal);
}

bool ReadInputFieldFlags(LineFields& fields, CWindowKav& window) {
    return ReadFlag(fields, window, win32::ES_MULTILINE, kInputMultiLine) &&
           ReadFlag(fields, window, win32::ES_READONLY, kInputReadOnly);
}

bool ReadListBoxMode(LineFields& fields, CWindowKav& window) {
    int mode = 0;
    if (!fields.RequiredInt(mode, kListBoxMode)) return false;
    constexpr std::array<std::uint32_t, 4> kModeBits = {0, win32::LBS_MULTIPLESEL, win32::LBS_EXTENDEDSEL,
                                                        win32::LBS_NOSEL};
    if (mode < 0 || mode > 3) return true;
    constexpr std::uint32_t kAllModes = win32::LBS_MULTIPLESEL | win32::LBS_EXTENDEDSEL | win32::LBS_NOSEL;
    window.SetStyle((window.GetStyle() & ~kAllModes) | kModeBits[static_cast<size_t>(mode)]);
    return true;
}

bool ReadPushButtonDefault(LineFields& fields, CWindowKav& window) {
    int isDefault = 0;
    if (!fields.RequiredInt(isDefault, kPushButtonDefault)) return false;
    const std::uint32_t style = window.GetStyle() & ~win32::BS_TYPEMASK;
    window.SetStyle(isDefault ? style | win32::BS_DEFPUSHBUTTON : style);
    return true;
}

bool ReadTreeControlFlags(LineFields& fields, CWindowKav& window) {
    return ReadFlag(fields, window, win32::TVS_HASBUTTONS, kTreeButtons) &&
           ReadFlag(fields, window, win32::TVS_EDITLABELS, kTreeEditLabels);
}

// Every further field up to the first empty one is a page title; the first is selected.
bool ReadTabTitles(LineFields& fields, CWindowKav& window) {
    auto& tabControl = static_cast<CTabControlKav&>(window);
    while (!fields.AtEnd()) {
        const std::string title = FromLatin1(fields.Next());
        if (title.empty()) break;
        if (tabControl.GetPages().empty()) tabControl.SetSelectedPageTitle(title);
        tabControl.GetPages().Add(new CTabPage(title, ""));
    }
    return true;
}

struct Keyword {
    std::string_view word;
    int type;
    std::uint32_t style;
    ExtraFieldReader readExtra;
};

// The keywords of the lines that carry a rectangle (all but "menu" and "menuitem").
constexpr std::array<Keyword, 19> kKeywords = {{
    {"checkbox", kWndCheckBox, 0x10010003, ReadNothing},
    {"childwindow", kWndChild, 0x10C80000, ReadNothing},
    {"combobox", kWndComboBox, 0x10010102, ReadComboBoxType},
    {"customwindow", kWndCustom, 0x10000000, ReadNothing},
    {"dialogbox", kWndDialogBox, 0x90C80080, ReadDialogBoxFlags},
    {"groupbox", kWndGroupBox, 0x10000007, ReadNothing},
    {"header", kWndHeader, 0x10000000, ReadNothing},
    {"image", kWndImage, 0x10000000, ReadNothing},
    {"inputfield", kWndInputField, 0x10010000, ReadInputFieldFlags},
    {"listbox", kWndListBox, 0x10010002, ReadListBoxMode},
    {"listview", kWndListView, 0x10010000, ReadNothing},
    {"mainwindow", kWndMain, 0x10C80000, ReadNothing},
    {"pushbutton", kWndPushButton, 0x10010000, ReadPushButtonDefault},
    {"radiobutton", kWndRadioButton, 0x10000009, ReadNothing},
    {"tabcontrol", kWndTabControl, 0x10000000, ReadTabTitles},
    {"table", kWndTable, 0x10010000, ReadNothing},
    {"text", kWndStaticText, 0x10000000, ReadNothing},
    {"toolbar", kWndToolBar, 0x10000000, ReadNothing},
    {"treecontrol", kWndTreeControl, 0x10010000, ReadTreeControlFlags},
}};

const Keyword* FindKeyword(std::string_view word) {
    for (const Keyword& keyword : kKeywords)
        if (EqualsNoCase(keyword.word, word)) return &keyword;
    return nullptr;
}

struct WindowDeleter {
    void operator()(CWindowKav* window) const { DeleteWindowTree(window); }
};
using NewWindow = std::unique_ptr<CWindowKav, WindowDeleter>;

NewWindow MakeWindow(int type, std::uint32_t style) {
    // The window is named when its tree is added: the model's complaint about the empty name
    // is no message of the import.
    const std::string message = GetGlobalMessageBuffer();
    NewWindow window(CreateWindowOfType(type, {.style = style}));
    SetGlobalMessage(message);
    return window;
}

// Fields 4 to 7 of a menu item: caption, enabled, pop-up and separator flags.
NewWindow ReadMenuItem(LineFields& fields) {
    fields.SetCaption(FromLatin1(fields.Next()));
    int enabled = 0, popup = 0, separator = 0;
    if (!fields.RequiredInt(enabled, kMenuItemEnabled) || !fields.RequiredInt(popup, kMenuItemEnabled + 1) ||
        !fields.RequiredInt(separator, kMenuItemEnabled + 2))
        return nullptr;
    NewWindow window = MakeWindow(kWndMenuItem, 0);
    auto& item = static_cast<CMenuItemKav&>(*window);
    item.SetPopup(popup != 0);
    item.SetSeparator(separator != 0);
    item.SetCaption(fields.Caption());
    item.SetEnabled(enabled != 0);
    return window;
}

// Fields 4 to 10 are read before the keyword is looked up, then those of the keyword.
NewWindow ReadControl(LineFields& fields, const std::string& word) {
    fields.SetCaption(FromLatin1(fields.Next()));
    WindowRect rect;
    int visible = 0, enabled = 0;
    if (!fields.RequiredInt(rect.left, kFirstCoordinate) || !fields.RequiredInt(rect.top, kFirstCoordinate + 1) ||
        !fields.RequiredInt(rect.right, kFirstCoordinate + 2) ||
        !fields.RequiredInt(rect.bottom, kFirstCoordinate + 3) || !fields.RequiredInt(visible, kVisibleMissing) ||
        !fields.RequiredInt(enabled, kEnabledMissing))
        return nullptr;
    const Keyword* keyword = FindKeyword(word);
    if (!keyword) {
        SetMessage(kUnknownKeyword, FromLatin1(word));
        return nullptr;
    }
    NewWindow window = MakeWindow(keyword->type, keyword->style);
    window->SetRect(rect);
    window->SetVisible(visible != 0);
    window->SetCaption(fields.Caption());
    window->SetEnabled(enabled != 0);
    if (!keyword->readExtra(fields, *window)) return nullptr;
    return window;
}

// The window of one object line without its TABs; null with the message set.
NewWindow ReadObject(const std::string& line) {
    LineFields fields(line);
    const std::string word = fields.Next();
    if (word.empty()) {
        SetMessage(kEmptyLine);
        return nullptr;
    }
    const std::string javaText = FromLatin1(fields.Next());
    std::string className;
    if (!fields.Required(className, kClassMissing)) return nullptr;

    NewWindow window = EqualsNoCase(word, "menu")       ? MakeWindow(kWndMenu, 0)
                       : EqualsNoCase(word, "menuitem") ? ReadMenuItem(fields)
                                                        : ReadControl(fields, word);
    if (!window) return nullptr;
    if (CFileKav* file = Project().GetMainFile()) {
        window->SetFile(file);
        window->SetFileId(file->GetID());
    }
    window->SetClass(FromLatin1(className));
    window->SetJavaText(javaText);
    window->SetGuiID(kJavaGuiId);
    if (!fields.AtEnd()) {
        SetMessage(kTooManyFields);
        return nullptr;
    }
    window->SetMethod(window->HasCaption() ? 1 : 0);
    return window;
}

void ShowBufferedWarning() {
    GetInteraction().ShowMessage({GetGlobalMessageBuffer(), "", MessageButtons::Ok, MessageIcon::Warning});
}

// Adds a finished tree; its messages are shown at once and do not stop the reading.
void CommitTree(CWindowKav* root) {
    const int added = AddWindowTree(root);
    if (added == -1) ShowBufferedWarning();
    if (added != 1) return;
    const JavaImportHooks& hooks = Hooks();
    if (hooks.generateTags && hooks.generateTags(*root) != 1) ShowBufferedWarning();
    if (hooks.announceWindow) hooks.announceWindow(*root);
}

// A menu item goes only under a menu or a menu item, any other window only under neither.
bool MayPlaceUnder(const CWindowKav& parent, const CWindowKav& child) {
    return (child.GetType() == kWndMenuItem) == IsMenuType(parent);
}

CWindowKav* Ancestor(CWindowKav* window, int generations) {
    for (int i = 0; i < generations && window->GetParent(); ++i) window = window->GetParent();
    return window;
}

// The trees of the file as they grow: each new line is placed by its depth against the line
// placed before it.
class TreeBuilder {
public:
    // False with the message set when the line cannot be placed.
    bool Place(NewWindow window, int depth) {
        if (!previous_) {
            if (depth != 0) return Refuse(kFirstHasParent);
            return Placed(window.release(), depth);
        }
        if (depth == 0) {
            CommitTree(Root());
            window->SetMethod(1);
            return Placed(window.release(), depth);
        }
        if (depth > previousDepth_ + 1) return Refuse(kTooManyTabs);
        CWindowKav* parent = Ancestor(previous_, previousDepth_ - depth + 1);
        if (!MayPlaceUnder(*parent, *window)) return true;
        if (!parent->AddChild(window.get())) return false;
        return Placed(window.release(), depth);
    }

    void Finish() {
        if (previous_) CommitTree(Root());
        previous_ = nullptr;
    }

private:
    bool Placed(CWindowKav* window, int depth) {
        previous_ = window;
        previousDepth_ = depth;
        return true;
    }
    CWindowKav* Root() const { return Ancestor(previous_, previousDepth_); }

    CWindowKav* previous_ = nullptr;
    int previousDepth_ = 0;
};

// Pairs the pages of a tab control with its children when they are as many: the child of the
// selected page shows, the others hide, and none keeps a title bar.
void PairTabPages(CTabControlKav& tabControl) {
    const std::vector<CWindowKav*>& children = tabControl.GetChildren();
    OwningList<CTabPage>& pages = tabControl.GetPages();
    if (pages.empty() || pages.size() != children.size()) return;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        CWindowKav* child = children[i];
        pages[i]->SetPageWindowId(Project().GetObjectPathText(child));
        pages[i]->SetPageWindowRef(child->GetInternalID());
        child->SetMethod(0);
        child->SetSysMenu(false);
        child->SetHasCaption(false);
        child->SetVisible(EqualsNoCase(pages[i]->GetTitle(), tabControl.GetSelectedPageTitle()));
    }
}

}  // namespace

void SetJavaImportHooks(JavaImportHooks hooks) { Hooks() = std::move(hooks); }

bool SplitField(std::string& line, std::string& field) {
    const std::size_t separator = line.find(kSeparator);
    if (separator == std::string::npos) {
        field = std::move(line);
        line.clear();
        return false;
    }
    field = line.substr(0, separator);
    line.erase(0, separator + 1);
    return true;
}

void DeleteWindowTree(CWindowKav* window) {
    if (!window) return;
    if (CWindowKav* parent = window->GetParent()) parent->RemoveChild(window);
    window->DeleteChildren();
    delete window;
}

int AddWindowTree(CWindowKav* window) {
    const WindowRect& rect = window->GetRect();
    if (!IsMenuType(*window) &&
        (rect.right - rect.left <= 0 || rect.bottom - rect.top <= 0 || !window->IsVisible())) {
        DeleteWindowTree(window);
        return 0;
    }
    CApplicationKav& project = Project();
    if (!window->SetName(project.MakeWindowIdFromCaption(window)) || !project.GetWindowList().Add(window)) {
        DeleteWindowTree(window);
        return -1;
    }
    // A child may be deleted on the way: walk a copy of the list.
    const std::vector<CWindowKav*> children = window->GetChildren();
    for (std::size_t i = 0; i < children.size(); ++i) {
        const int added = AddWindowTree(children[i]);
        if (added == 1) CWindowList::FitParents(children[i]);
        if (added != -1) continue;
        // The children not yet handled go too: nothing unnamed stays under a window of the table.
        for (std::size_t j = i + 1; j < children.size(); ++j) DeleteWindowTree(children[j]);
        return -1;
    }
    if (window->GetType() == kWndTabControl) PairTabPages(static_cast<CTabControlKav&>(*window));
    return 1;
}

bool ImportJavaGuiFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return Refuse(kCannotOpen, path);
    std::string line;
    if (!std::getline(file, line)) return Refuse(kFileEmpty);

    TreeBuilder trees;
    bool complete = true;
    while (complete && std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::size_t depth = line.find_first_not_of('\t');
        if (depth == std::string::npos) depth = line.size();
        NewWindow window = ReadObject(line.substr(depth));
        complete = window && trees.Place(std::move(window), static_cast<int>(depth));
    }
    file.close();
    // What an error interrupted is added all the same; its message stays in the buffer.
    const std::string message = GetGlobalMessageBuffer();
    trees.Finish();
    if (!complete) SetGlobalMessage(message);
    return complete;
}
