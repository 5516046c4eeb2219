#include "model/WindowKav.h"

#include "model/ApplicationKav.h"
#include "model/Hierarchy.h"
#include "model/ObjectNames.h"
#include "model/ShellServices.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "platform/UniqueId.h"

CWindowKav::CWindowKav(const std::string& id, int type, int numId, int guiId, std::string className, std::string tag,
                       int method, const std::string& caption, std::uint32_t style, std::uint32_t exStyle, int tabNr)
    : CKavroObj(kKindWindow),
      style_(style),
      exStyle_(exStyle),
      internalId_(MakeUniqueId()),
      numId_(numId),
      guiId_(guiId),
      className_(std::move(className)),
      tag_(std::move(tag)),
      type_(type),
      method_(method),
      tabNr_(tabNr) {
    if (CurrentApplication && CurrentApplication->IsEsaOutputFormat()) internalId_ = MakeGuidText(internalId_);
    SetName(id);
    SetCaption(caption);
}

bool CWindowKav::SetName(const std::string& name) {
    if (!CheckName(name, {44524, 44525, 50, 44526})) return false;
    name_ = name;
    return true;
}

bool CWindowKav::SetCaption(const std::string& caption) {
    caption_ = caption;
    for (char& c : caption_)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return true;
}

bool CWindowKav::AddChild(CWindowKav* child) {
    if (!child) return false;
    if (HasChild(children_, child)) {
        SetMessage(44528, child->name_, name_);
        return false;
    }
    if (IsNodeOrAncestor(this, child)) {
        SetMessage(44527);
        return false;
    }
    const bool childIsItem = child->type_ == kWndMenuItem;
    if (type_ == kWndMenu && !childIsItem) {
        SetMessage(44529);
        return false;
    }
    if (type_ == kWndMenuItem) {
        if (!childIsItem) {
            SetMessage(44530);
            return false;
        }
        if (style_ & kMenuSeparator) {
            SetMessage(44531);
            return false;
        }
        if (!transitions_.empty()) {
            SetMessage(44532);
            return false;
        }
    } else if (childIsItem && type_ != kWndMenu) {
        SetMessage(44534);
        return false;
    }
    if (child->parent_ && !child->parent_->RemoveChild(child)) return false;
    children_.push_back(child);
    child->parent_ = this;
    if (type_ == kWndMenuItem) style_ |= kMenuPopup;
    return true;
}

bool CWindowKav::RemoveChild(CWindowKav* child) {
    if (!child || !EraseChild(children_, child)) {
        SetMessage(44535, child ? child->name_ : std::string(), name_);
        return false;
    }
    child->parent_ = nullptr;
    if (type_ == kWndMenuItem && children_.empty()) style_ &= ~kMenuPopup;
    return true;
}

bool CWindowKav::SetStyleBits(std::uint32_t bits, bool on) {
    if (on) style_ |= bits;
    else style_ &= ~bits;
    return true;
}
