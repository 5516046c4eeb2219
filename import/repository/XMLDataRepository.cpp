#include "import/repository/XMLDataRepository.h"

#include <memory>

#include "import/repository/RepositoryWindowFactory.h"
#include "model/FileKav.h"
#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kUnknownClass = 45191;
constexpr int kStandardWindowsBuilder = 999;

}  // namespace

int CXMLDataRepository::ParseRepository(CFileKav& file, const std::string& encoding) {
    static const XmlHandlers handlers{StartElementCallback, EndElementCallback, CharacterDataCallback};
    ForgetOpenObjects();
    const bool parsed = ParseFile(&file, encoding, handlers);
    ForgetOpenObjects();
    return parsed ? 1 : 0;
}

void CXMLDataRepository::ForgetOpenObjects() {
    parentStack_.clear();
    elementStack_.clear();
    currentWindow_ = nullptr;
    inScope_ = false;
    attributes_ = nullptr;
}

void CXMLDataRepository::StartElementCallback(CXMLDataManager& base, const std::string& name,
                                              const XmlAttributeList& attributes) {
    auto& reader = static_cast<CXMLDataRepository&>(base);
    Guarded(reader, [&] {
        if (reader.OpensToolDataScope(name)) {
            reader.inScope_ = true;
            reader.elementStack_.clear();
        }
        StartElement(reader, name, attributes);
    });
}

void CXMLDataRepository::EndElementCallback(CXMLDataManager& base, const std::string& name) {
    auto& reader = static_cast<CXMLDataRepository&>(base);
    Guarded(reader, [&] {
        const bool structural = reader.IsStructuralElement(name);
        if (structural) reader.CloseStructuralElement(name);
        EndElement(reader, name);
        if (!structural && reader.inScope_) reader.CloseToolDataElement();
    });
}

void CXMLDataRepository::CharacterDataCallback(CXMLDataManager& reader, std::string_view text) {
    Guarded(reader, [&] { OnCharacterData(reader, text); });
}

CXMLElement* CXMLDataRepository::CreateToolDataElement(const std::string& name) const {
    auto* element = new CXMLElement(name);
    if (attributes_)
        for (const XmlAttribute& attribute : *attributes_)
            element->GetAttributes().Add(new CXMLAttribute(std::string(attribute.name), std::string(attribute.value)));
    return element;
}

void CXMLDataRepository::OnEndElement(const std::string& name, const std::string& text) {
    if (IsStructuralElement(name) || elementStack_.empty()) return;
    // Only the element that this end closes takes the text; one that was not kept has none.
    CXMLElement* open = elementStack_.back();
    if (open && EqualsNoCase(open->GetName(), name)) open->SetValue(ElementValue(text));
}

CWindowKav* CXMLDataRepository::MakeWindow(const std::string& key, bool known, int type, int guiId) const {
    if (!known) {
        if (GetMessageLog()) {
            SetMessage(kUnknownClass, key);
            LogMessage(GetGlobalMessageBuffer(), true);
            ClearGlobalMessage();
        }
        type = kWndCustom;
        guiId = kStandardWindowsBuilder;
    }
    return CreateRepositoryWindow(type, guiId, GetCurrentProject());
}

bool CXMLDataRepository::AddObjectWindow(CWindowKav* made, const std::string& elementName) {
    std::unique_ptr<CWindowKav> window(made);
    if (!window) return false;
    createdWindows_.push_back(window.get());
    currentWindow_ = window.release();
    std::unique_ptr<CXMLElement> element(CreateToolDataElement(elementName));
    if (!element) return false;
    elementStack_.push_back(element.get());
    currentWindow_->SetToolData(element.release());
    return true;
}

void CXMLDataRepository::AdoptByOpenParent(CWindowKav* window) const {
    if (!parentStack_.empty() && parentStack_.back()) parentStack_.back()->AddChild(window, nullptr);
}

void CXMLDataRepository::CloseOpenParent() {
    if (parentStack_.empty()) return;
    currentWindow_ = parentStack_.back();
    parentStack_.pop_back();
}

void CXMLDataRepository::OpenToolDataElement(const std::string& name) {
    CXMLElement* parent = elementStack_.empty() ? nullptr : elementStack_.back();
    CXMLElement* element = nullptr;
    if (parent) element = parent->GetChildren().Add(CreateToolDataElement(name));
    elementStack_.push_back(element);
}

void CXMLDataRepository::CloseToolDataElement() {
    if (!elementStack_.empty()) elementStack_.pop_back();
}

void CXMLDataRepository::LogObjectLine(const std::string& kind, const std::string& name) const {
    LogMessage(std::string(4 * parentStack_.size(), ' ') + kind + " " + name, true);
}
