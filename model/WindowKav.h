#pragma once
// One window or control of the application under test. The window table owns every window;
// the parent/child tree lives in the windows themselves (child lists do not own).
#include <cstdint>
#include <string>
#include <vector>

#include "model/AttributeKav.h"
#include "model/KavroObj.h"
#include "model/StoreField.h"
#include "model/TransitionKav.h"
#include "platform/ObjectList.h"

// Window type codes.
enum WindowType : int {
    kWndMain = 0, kWndChild = 1, kWndDialogBox = 2, kWndCustom = 3, kWndMenu = 4, kWndStaticText = 5,
    kWndInputField = 6, kWndGroupBox = 7, kWndPushButton = 8, kWndCheckBox = 9, kWndRadioButton = 10,
    kWndComboBox = 11, kWndListBox = 12, kWndTabControl = 13, kWndToolBar = 14, kWndListView = 15,
    kWndHeader = 16, kWndMenuItem = 17, kWndTreeControl = 18, kWndTable = 19, kWndLink = 20, kWndImage = 21,
};

// Win32 bits that the model reads from the style word.
inline constexpr std::uint32_t kStyleCaption = 0xC00000;  // WS_CAPTION: both bits
inline constexpr std::uint32_t kMenuPopup = 0x10;         // MF_POPUP, in a menu item's flags
inline constexpr std::uint32_t kMenuSeparator = 0x800;    // MF_SEPARATOR, in a menu item's flags

// Position relative to the parent's client origin.
struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const WindowRect&) const = default;
};

class CWindowKav : public CKavroObj {
public:
    // A refused ID leaves the name empty (the message stays in the buffer). While the project
    // writes one of the ESA formats, the internal ID takes GUID form.
    CWindowKav(const std::string& id, int type, int numId = 0, int guiId = 0, std::string className = {},
               std::string tag = {}, int method = 0, const std::string& caption = {}, std::uint32_t style = 0,
               std::uint32_t exStyle = 0, int tabNr = 0);

    const std::vector<CWindowKav*>& GetChildren() const { return children_; }
    OwningList<CTransitionKav>& GetTransitions() { return transitions_; }
    const OwningList<CTransitionKav>& GetTransitions() const { return transitions_; }
    OwningList<CAttributeKav>& GetAttributes() { return attributes_; }
    const OwningList<CAttributeKav>& GetAttributes() const { return attributes_; }

    // Attaches a child at the end, moving it from a former parent. Refuses (with its message)
    // a second entry (W0528), a cycle (W0527) and children that menus and menu items cannot
    // have (W0529 to W0534); all checks run before anything changes.
    bool AddChild(CWindowKav* child);
    // FALSE with W0535 when the window is not a child; a menu item left without children
    // loses its popup flag.
    bool RemoveChild(CWindowKav* child);

    std::string GetName() const { return name_; }
    // Not empty (W0524), at most 50 characters (W0525), identifier characters only (W0526);
    // a leading digit is allowed here. Uniqueness is the window table's business.
    bool SetName(const std::string& name);
    std::string GetCaption() const { return caption_; }
    // Characters below U+0020 are stored as blanks.
    bool SetCaption(const std::string& caption);

    int GetType() const { return type_; }
    int GetNumID() const { return numId_; }
    bool SetNumID(int numId) { return StoreField(numId_, numId); }
    int GetGuiID() const { return guiId_; }
    std::string GetClass() const { return className_; }
    std::string GetTag() const { return tag_; }
    bool SetTag(const std::string& tag) { return StoreField(tag_, tag); }
    int GetMethod() const { return method_; }
    bool SetMethod(int method) { return StoreField(method_, method); }
    std::uint32_t GetStyle() const { return style_; }
    bool SetStyle(std::uint32_t style) { return StoreField(style_, style); }
    std::uint32_t GetExStyle() const { return exStyle_; }
    bool SetExStyle(std::uint32_t exStyle) { return StoreField(exStyle_, exStyle); }
    int GetTabNr() const { return tabNr_; }
    bool SetTabNr(int tabNr) { return StoreField(tabNr_, tabNr); }
    std::string GetInternalID() const { return internalId_; }
    bool SetInternalID(const std::string& id) { return StoreField(internalId_, id); }
    // Internal ID of the parent as read from a project file.
    std::string GetParentID() const { return parentId_; }
    bool SetParentID(const std::string& id) { return StoreField(parentId_, id); }
    CWindowKav* GetParent() const { return parent_; }
    bool SetParent(CWindowKav* parent) { return StoreField(parent_, parent); }
    int GetImportTool() const { return importTool_; }
    bool SetImportTool(int tool) { return StoreField(importTool_, tool); }
    const WindowRect& GetRect() const { return rect_; }
    void SetRect(const WindowRect& rect) { rect_ = rect; }

    // WS_CAPTION: both bits.
    bool HasCaption() const { return (style_ & kStyleCaption) == kStyleCaption; }
    bool SetHasCaption(bool on) { return SetStyleBits(kStyleCaption, on); }

protected:
    bool SetStyleBits(std::uint32_t bits, bool on);

private:
    std::vector<CWindowKav*> children_;
    OwningList<CTransitionKav> transitions_;
    OwningList<CAttributeKav> attributes_;
    WindowRect rect_;
    std::uint32_t style_;
    std::uint32_t exStyle_;
    std::string internalId_;
    std::string parentId_;
    std::string name_;
    int numId_;
    int guiId_;
    std::string className_;
    std::string tag_;
    int type_;
    int method_;
    std::string caption_;
    int tabNr_;
    CWindowKav* parent_ = nullptr;
    int importTool_ = 0;
};
