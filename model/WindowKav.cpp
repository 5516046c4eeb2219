#include "model/WindowKav.h"

#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "model/Hierarchy.h"
#include "model/ObjectNames.h"
#include "model/ShellServices.h"
#include "model/XMLElement.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "platform/UniqueId.h"

CWindowKav::CWindowKav(int type, const WindowFields& fields)
    : CKavroObj(kKindWindow),
      style_(fields.style),
      exStyle_(fields.exStyle),
      internalId_(MakeUniqueId()),
      numId_(fields.numId),
      guiId_(fields.guiId),
      className_(fields.className),
      tag_(fields.tag),
      type_(type),
      method_(fields.method),
      tabNr_(fields.tabNr) {
    if (CurrentApplication && CurrentApplication->IsEsaOutputFormat()) internalId_ = MakeGuidText(internalId_);
    SetName(fields.id);
    SetCaption(fields.caption);
}

CWindowKav::~CWindowKav() { delete toolData_; }

WindowFields CWindowKav::GetFields() const {
    return {name_, numId_, guiId_, className_, tag_, method_, caption_, style_, exStyle_, tabNr_};
}

bool CWindowKav::SetName(const std::string& name, bool updateToolData) {
    if (!CheckName(name, {44524, 44525, 50, 44526})) return false;
    name_ = name;
    if (updateToolData && toolData_) toolData_->SetAttributeValue("Name", name);
    return true;
}

bool CWindowKav::SetCaption(const std::string& caption) {
    caption_ = caption;
    for (char& c : caption_)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return true;
}

bool CWindowKav::AddChild(CWindowKav* child, CApplicationKav* application) {
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
        if (style_ & win32::MF_SEPARATOR) {
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
    if (type_ == kWndMenuItem) style_ |= win32::MF_POPUP;
    if (const std::string inherited = GetSmurfValue("application"); !inherited.empty())
        child->SetSmurfValue("application", inherited, application, true);
    return true;
}

bool CWindowKav::RemoveChild(CWindowKav* child) {
    if (!child || !EraseChild(children_, child)) {
        SetMessage(44535, child ? child->name_ : std::string(), name_);
        return false;
    }
    child->parent_ = nullptr;
    if (type_ == kWndMenuItem && children_.empty()) style_ &= ~win32::MF_POPUP;
    return true;
}

void CWindowKav::TakePlaceOf(CWindowKav& other) {
    for (CWindowKav* child : other.children_) {
        children_.push_back(child);
        child->parent_ = this;
    }
    other.children_.clear();
    if (CWindowKav* parent = other.parent_) {
        parent->RemoveChild(&other);
        parent->children_.push_back(this);
        parent_ = parent;
    }
}

void CWindowKav::DeleteChildren() {
    std::vector<CWindowKav*> children;
    children.swap(children_);
    for (CWindowKav* child : children) {
        child->DeleteChildren();
        delete child;
    }
}

CWindowKav* CWindowKav::FindMenu() const {
    for (CWindowKav* child : children_)
        if (child->type_ == kWndMenu) return child;
    return nullptr;
}

int CWindowKav::CountTransitions() const {
    int count = static_cast<int>(transitions_.size());
    for (const CWindowKav* child : children_) count += child->CountTransitions();
    return count;
}

WindowRect CWindowKav::GetAbsoluteRect() const {
    if (!parent_ || HasCaption()) return {};
    const WindowRect origin = parent_->GetAbsoluteRect();
    return {rect_.left + origin.left, rect_.top + origin.top, rect_.right + origin.left, rect_.bottom + origin.top};
}

CWindowKav* CWindowKav::Clone(int flags) const {
    CWindowKav* copy = CreateWindowOfType(type_, GetFields());
    CopyTypeDataTo(*copy, flags);
    if (flags & kCloneKeepId) copy->internalId_ = internalId_;
    copy->TakeFileFromClone(*this, flags);
    if (flags & kCloneTextsFromObjects) {
        if (parent_) copy->parentId_ = parent_->internalId_;
    } else if (flags & kCloneTextsAsStored) {
        copy->parentId_ = parentId_;
    }
    if (flags & kCloneChildren) {
        for (const CWindowKav* child : children_) {
            // A menu item made a separator after its children were attached refuses them here.
            CWindowKav* childCopy = child->Clone(flags);
            if (copy->AddChild(childCopy)) continue;
            childCopy->DeleteChildren();
            delete childCopy;
        }
    }
    copy->rect_ = rect_;
    copy->importTool_ = importTool_;
    if (toolData_) copy->toolData_ = toolData_->Clone();
    // A window's transitions start at the window that holds them: the copy's at the copy.
    for (const CTransitionKav* transition : transitions_)
        copy->transitions_.Add(transition->Clone(flags))->SetStartWindow(copy);
    for (const CAttributeKav* attribute : attributes_) copy->attributes_.Add(attribute->Clone(flags));
    return copy;
}

bool CWindowKav::IsEqual(const CKavroObj* other) const {
    if (!CKavroObj::IsEqual(other)) return false;
    const auto& w = static_cast<const CWindowKav&>(*other);
    if (type_ != w.type_ || name_ != w.name_ || numId_ != w.numId_ || guiId_ != w.guiId_ ||
        className_ != w.className_ || tag_ != w.tag_ || method_ != w.method_ || caption_ != w.caption_ ||
        style_ != w.style_ || exStyle_ != w.exStyle_ || tabNr_ != w.tabNr_ || rect_ != w.rect_)
        return false;
    if (!IsTypeDataEqual(w)) return false;
    if (toolData_ ? !toolData_->IsEqual(w.toolData_) : w.toolData_ != nullptr) return false;
    return HasEqualTransitions(w) && HasEqualAttributes(w);
}

bool CWindowKav::HasEqualTransitions(const CWindowKav& other) const {
    if (transitions_.size() != other.transitions_.size()) return false;
    for (const CTransitionKav* transition : transitions_) {
        const CTransitionKav* match =
            other.transitions_.FindIf([&](const CTransitionKav* t) { return t->GetId() == transition->GetId(); });
        if (!match || !transition->IsEqual(match)) return false;
    }
    return true;
}

bool CWindowKav::HasEqualAttributes(const CWindowKav& other) const {
    if (attributes_.size() != other.attributes_.size()) return false;
    for (const CAttributeKav* attribute : attributes_) {
        const CAttributeKav* match =
            other.attributes_.FindIf([&](const CAttributeKav* a) { return a->GetName() == attribute->GetName(); });
        if (!match || match->GetType() != attribute->GetType() || match->GetValue() != attribute->GetValue())
            return false;
    }
    return true;
}

bool CWindowKav::SetStyleBits(std::uint32_t bits, bool on) {
    if (on) style_ |= bits;
    else style_ &= ~bits;
    return true;
}

std::string MakeTransitionName(const CWindowKav* window) {
    for (int n = 1;; ++n) {
        std::string name = window->GetName() + "_T" + std::to_string(n);
        if (!window->GetTransitions().FindIf([&](const CTransitionKav* t) { return EqualsNoCase(t->GetName(), name); }))
            return name;
    }
}
