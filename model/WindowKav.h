#pragma once
// One window or control of the application under test. Each of the 22 window types is a class
// of its own (model/windows/); the window table owns every window, and the parent/child tree
// lives in the windows themselves (child lists do not own).
#include <cstdint>
#include <string>
#include <vector>

#include "model/AttributeKav.h"
#include "model/KavroObj.h"
#include "model/StoreField.h"
#include "model/TransitionKav.h"
#include "model/WindowRect.h"
#include "model/WindowsByInternalId.h"
#include "model/Win32Styles.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CXMLElement;

// Window type codes.
enum WindowType : int {
    kWndMain = 0, kWndChild = 1, kWndDialogBox = 2, kWndCustom = 3, kWndMenu = 4, kWndStaticText = 5,
    kWndInputField = 6, kWndGroupBox = 7, kWndPushButton = 8, kWndCheckBox = 9, kWndRadioButton = 10,
    kWndComboBox = 11, kWndListBox = 12, kWndTabControl = 13, kWndToolBar = 14, kWndListView = 15,
    kWndHeader = 16, kWndMenuItem = 17, kWndTreeControl = 18, kWndTable = 19, kWndLink = 20, kWndImage = 21,
};
inline constexpr int kWindowTypeCount = 22;


// The identification data that every window type is constructed from.
struct WindowFields {
    std::string id{};  // the window ID (name)
    int numId = 0;
    int guiId = 0;
    std::string className{};
    std::string tag{};
    int method = 0;
    std::string caption{};
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int tabNr = 0;
};

// A window's item in a tree of the workspace; only the views interpret it.
using TreeItemHandle = void*;

class CWindowKav : public CKavroObj {
public:
    // Children are not deleted (the table owns them); transitions, attributes and tool data are.
    ~CWindowKav() override;

    const std::vector<CWindowKav*>& GetChildren() const { return children_; }
    OwningList<CTransitionKav>& GetTransitions() { return transitions_; }
    const OwningList<CTransitionKav>& GetTransitions() const { return transitions_; }
    OwningList<CAttributeKav>& GetAttributes() { return attributes_; }
    const OwningList<CAttributeKav>& GetAttributes() const { return attributes_; }

    // ---- Structure

    // Attaches a child at the end, moving it from a former parent. Refuses (with its message)
    // a second entry (W0528), a cycle (W0527) and children that menus and menu items cannot
    // have (W0529 to W0534); all checks run before anything changes. A child of a window that
    // has a tool-data "application" value takes it over with all its descendants; the
    // application (when given) then refreshes the building-block calls of each.
    bool AddChild(CWindowKav* child, CApplicationKav* application = nullptr);
    // FALSE with W0535 when the window is not a child; a menu item left without children
    // loses its popup flag.
    bool RemoveChild(CWindowKav* child);
    // Takes the other window's place in the tree: its children, in order, and the last place
    // among its siblings. No rule is checked: the window stands in for the other one.
    void TakePlaceOf(CWindowKav& other);
    // Deletes every descendant, deepest first; for windows that no window table owns.
    void DeleteChildren();
    // The first child that is a menu bar, or null.
    CWindowKav* FindMenu() const;
    // The transitions of the window and of all its descendants.
    int CountTransitions() const;
    // Relative to the nearest ancestor with a title bar: empty for a window without parent or
    // with WS_CAPTION, else the own rectangle moved by the parent's absolute left and top.
    WindowRect GetAbsoluteRect() const;

    // A new window of the same type and data, with copies of its tool data, transitions and
    // attributes, by the model's clone flags (children with flag 4). It has no parent, the same
    // name, and is in no window table.
    CWindowKav* Clone(int flags) const;
    // Identity, Win32 data, rectangle, type data, tool data, transitions and attributes, texts
    // with case; children, parent, internal and parent ID are not compared.
    bool IsEqual(const CKavroObj* other) const override;

    // ---- Naming and text

    std::string GetName() const { return name_; }
    // Not empty (W0524), at most 50 characters (W0525), identifier characters only (W0526);
    // a leading digit is allowed here. Uniqueness is the window table's business. With
    // updateToolData, a "Name" attribute of the tool data takes the new name too.
    bool SetName(const std::string& name, bool updateToolData = false);
    std::string GetCaption() const { return caption_; }
    // Characters below U+0020 are stored as blanks.
    bool SetCaption(const std::string& caption);
    // Kept for the importer of recorded Java GUI descriptions and for the capture of HTML pages;
    // neither is compared or copied.
    std::string GetJavaText() const { return javaText_; }
    void SetJavaText(const std::string& text) { javaText_ = text; }
    std::string GetHtmlText() const { return htmlText_; }
    void SetHtmlText(const std::string& text) { htmlText_ = text; }

    // ---- Plain data

    int GetType() const { return type_; }
    int GetNumID() const { return numId_; }
    bool SetNumID(int numId) { return StoreField(numId_, numId); }
    int GetGuiID() const { return guiId_; }
    bool SetGuiID(int guiId) { return StoreField(guiId_, guiId); }
    std::string GetClass() const { return className_; }
    bool SetClass(const std::string& className) { return StoreField(className_, className); }
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
    TreeItemHandle GetTreeItem() const { return treeItem_; }
    bool SetTreeItem(TreeItemHandle item) { return StoreField(treeItem_, item); }
    TreeItemHandle GetSelectTreeItem() const { return selectTreeItem_; }
    bool SetSelectTreeItem(TreeItemHandle item) { return StoreField(selectTreeItem_, item); }
    // The data the window was constructed from, as it is now.
    WindowFields GetFields() const;

    // ---- Style bits

    // WS_CAPTION: both bits.
    bool HasCaption() const { return (style_ & win32::WS_CAPTION) == win32::WS_CAPTION; }
    bool SetHasCaption(bool on) { return SetStyleBits(win32::WS_CAPTION, on); }
    bool HasSysMenu() const { return style_ & win32::WS_SYSMENU; }
    bool SetSysMenu(bool on) { return SetStyleBits(win32::WS_SYSMENU, on); }
    bool IsGroup() const { return style_ & win32::WS_GROUP; }
    bool SetGroup(bool on) { return SetStyleBits(win32::WS_GROUP, on); }
    bool IsTabStop() const { return style_ & win32::WS_TABSTOP; }
    bool SetTabStop(bool on) { return SetStyleBits(win32::WS_TABSTOP, on); }
    // WS_VISIBLE set, WS_DISABLED clear; a menu item answers from its menu flags.
    virtual bool IsVisible() const { return style_ & win32::WS_VISIBLE; }
    virtual bool IsEnabled() const { return !(style_ & win32::WS_DISABLED); }
    virtual bool SetVisible(bool on) { return SetStyleBits(win32::WS_VISIBLE, on); }
    virtual bool SetEnabled(bool on) { return SetStyleBits(win32::WS_DISABLED, !on); }

    // ---- Tool data (names compared without case)

    CXMLElement* GetToolData() const { return toolData_; }
    // Does not delete an element it replaces: the caller owns that one.
    bool SetToolData(CXMLElement* toolData) { return StoreField(toolData_, toolData); }
    // The value of the named child of a "smurfData" tool-data element, else "".
    std::string GetSmurfValue(const std::string& name) const;
    // Sets the named child's value (the tool data becomes a "smurfData" element when there is
    // none); recursive does the same for every descendant. The application (when given) then
    // refreshes the building-block calls of all these windows in one pass over its tasks.
    void SetSmurfValue(const std::string& name, const std::string& value, CApplicationKav* application, bool recursive);
    // The "qtpRep:Value" (else "qtpRep:Parameter") of the first "qtpRep:Property" named so, or "".
    std::string GetQtpPropertyValue(const std::string& property) const;
    // Removes every "qtpRep:Property" named so and every "qtpRep:PropertyRef" to it.
    void RemoveQtpProperty(const std::string& property);

protected:
    // A refused ID leaves the name empty (the message stays in the buffer). While the project
    // writes one of the ESA formats, the internal ID takes GUID form.
    CWindowKav(int type, const WindowFields& fields);

    bool SetStyleBits(std::uint32_t bits, bool on);
    // The low bits under the mask equal the value.
    bool HasStyleKind(std::uint32_t mask, std::uint32_t kind) const { return (style_ & mask) == kind; }
    // Replaces the low bits under the mask by the value.
    void SetStyleKind(std::uint32_t mask, std::uint32_t kind) { style_ = (style_ & ~mask) | kind; }

    // The data of a window type beyond the common fields, for Clone and IsEqual; the copy and
    // the other window have the receiver's type.
    virtual void CopyTypeDataTo(CWindowKav& /*copy*/, int /*flags*/) const {}
    virtual bool IsTypeDataEqual(const CWindowKav& /*other*/) const { return true; }

private:
    bool HasEqualTransitions(const CWindowKav& other) const;
    bool HasEqualAttributes(const CWindowKav& other) const;

    std::vector<CWindowKav*> children_;
    OwningList<CTransitionKav> transitions_;
    OwningList<CAttributeKav> attributes_;
    WindowRect rect_;
    std::string javaText_;
    std::string htmlText_;
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
    CXMLElement* toolData_ = nullptr;
    TreeItemHandle treeItem_ = nullptr;
    TreeItemHandle selectTreeItem_ = nullptr;
};

// The first of "<window name>_T1", "_T2", ... that no transition of the window has (without case).
std::string MakeTransitionName(const CWindowKav* window);
