#include "persistence/XMLDataManager.h"

#include <expat.h>

#include <algorithm>
#include <climits>

#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "platform/TextUtil.h"

namespace {

// Older files declared a Latin-2 encoding that the parser does not know; they were always read
// as Latin-1, and only this exact spelling is recognised. It counts at the start of the file
// only, where a declaration stands: elsewhere it is the text of a comment or a value.
constexpr std::string_view kLatin2Declaration = "<?xml version=\"1.0\" encoding=\"iso-8859-2\" ?>";

constexpr int kErrorWhileParsing = 45110;  // [W1110]
constexpr int kCouldNotRead = 44857;       // [W0857]

// Case folding keeps ASCII and the rest apart, and an ASCII name's equals are of its length:
// the length tells most names apart before they are compared.
bool IsNamed(std::string_view name, std::string_view asciiName) {
    return name.size() == asciiName.size() && EqualsNoCase(name, asciiName);
}

}  // namespace

CXMLDataManager::CXMLDataManager() = default;

CXMLDataManager::~CXMLDataManager() = default;

bool CXMLDataManager::ParseFile(CFileKav* file, const std::string& encoding, const XmlHandlers& handlers) {
    currentFile_ = file;
    openCount_ = 0;
    if (!file) {
        SetMessage(kCouldNotRead, "");
        return false;
    }
    std::string pathUsed;
    const std::string path = file->GetFullPath();
    if (!OpenProjectFile(path, false, pathUsed)) return false;
    if (pathUsed != path) {
        file->SetPath(pathUsed);
        file->SetFullPath(pathUsed);
    }

    std::string effectiveEncoding = encoding;
    if (fileBuffer_.starts_with(kLatin2Declaration)) effectiveEncoding = "ISO-8859-1";

    ClearGlobalMessage();
    ParseOutcome outcome = ParseText(fileBuffer_, effectiveEncoding, handlers);
    if (outcome.status != ParseStatus::Failed) return true;
    if (GetGlobalMessageBuffer().empty()) SetMessage(kErrorWhileParsing, pathUsed, outcome.line, outcome.errorText);
    return false;
}

CXMLDataManager::ParseOutcome CXMLDataManager::ParseText(std::string_view text, const std::string& encoding,
                                                         const XmlHandlers& handlers) {
    openCount_ = 0;
    collectedText_.clear();
    collectingText_ = false;
    halted_ = false;
    // What an earlier parse left current may be gone by now.
    projectElementRead_ = false;
    current_ = CurrentObjects{};
    currentGuiBuilder_ = nullptr;
    openXmlElements_.clear();
    exchangeTaskIds_.clear();
    taskIdsProject_ = nullptr;
    taskIds_.clear();

    ParseOutcome outcome;
    parser_ = XML_ParserCreate(encoding.empty() ? nullptr : encoding.c_str());
    if (!parser_) {
        outcome.errorText = XML_ErrorString(XML_ERROR_NO_MEMORY);
        return outcome;
    }
    handlers_ = &handlers;
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, handlers.start ? ExpatStart : nullptr, handlers.end ? ExpatEnd : nullptr);
    if (handlers.characterData) XML_SetCharacterDataHandler(parser_, ExpatCharacterData);

    // expat takes int lengths: a text beyond that size goes in pieces, the last one final.
    constexpr size_t kMaxPiece = INT_MAX / 2;
    XML_Status status = XML_STATUS_OK;
    size_t done = 0;
    do {
        size_t piece = std::min(kMaxPiece, text.size() - done);
        bool last = done + piece == text.size();
        status = XML_Parse(parser_, text.data() + done, static_cast<int>(piece), last ? XML_TRUE : XML_FALSE);
        done += piece;
    } while (status == XML_STATUS_OK && done < text.size());

    if (status == XML_STATUS_ERROR) {
        outcome.status = ParseStatus::Failed;
        outcome.line = static_cast<int>(std::min<XML_Size>(XML_GetCurrentLineNumber(parser_), INT_MAX));
        outcome.errorText = XML_ErrorString(XML_GetErrorCode(parser_));
    } else {
        outcome.status = status == XML_STATUS_SUSPENDED ? ParseStatus::Suspended : ParseStatus::Finished;
    }
    XML_ParserFree(parser_);
    parser_ = nullptr;
    handlers_ = nullptr;
    currentAttributes_ = nullptr;
    collectingText_ = false;
    if (outcome.status != ParseStatus::Finished) openCount_ = 0;
    return outcome;
}

void CXMLDataManager::LogMessage(std::string_view text, bool log) const {
    if (log && messageLog_) messageLog_->AddMessage(text);
}

void CXMLDataManager::StopParser() { HaltParser(false); }

void CXMLDataManager::SuspendParser() { HaltParser(true); }

void CXMLDataManager::HaltParser(bool resumable) {
    if (!parser_ || halted_) return;
    halted_ = true;
    XML_StopParser(parser_, resumable ? XML_TRUE : XML_FALSE);
}

std::string CXMLDataManager::ParentElementName() const {
    return openCount_ < 2 ? std::string() : openElements_[openCount_ - 2].name;
}

// expat may still deliver an event or two after a stop (the end of an empty element); a halted
// parse ignores them, so no handler runs after the one that stopped it.

void CXMLDataManager::ExpatStart(void* data, const char* name, const char** attributes) {
    auto& reader = *static_cast<CXMLDataManager*>(data);
    if (reader.halted_) return;
    // Only the attributes written in the file, not defaults a DTD would add.
    const int specified = XML_GetSpecifiedAttributeCount(reader.parser_);
    // The list of the last element lends its room; a parse started from a handler makes its own.
    XmlAttributeList list = std::move(reader.spareAttributes_);
    reader.ListAttributes(attributes, specified, list);
    // A handler uses the name before it runs anything that may parse again.
    reader.handlers_->start(reader, reader.OpenElementNamed(name), list);
    reader.indexedAttributes_ = nullptr;
    reader.spareAttributes_ = std::move(list);
}

void CXMLDataManager::ExpatEnd(void* data, const char* name) {
    auto& reader = *static_cast<CXMLDataManager*>(data);
    if (reader.halted_) return;
    // The innermost open element is the one that ends, unless a parse started from a handler
    // emptied the list of open elements.
    if (reader.openCount_ == 0) {
        reader.handlers_->end(reader, name);
        return;
    }
    reader.handlers_->end(reader, reader.openElements_[reader.openCount_ - 1].name);
    if (reader.openCount_ > 0) --reader.openCount_;
}

void CXMLDataManager::ExpatCharacterData(void* data, const char* text, int length) {
    auto& reader = *static_cast<CXMLDataManager*>(data);
    if (reader.halted_) return;
    reader.handlers_->characterData(reader, std::string_view(text, static_cast<size_t>(length)));
}

void CXMLDataManager::StartElement(CXMLDataManager& reader, const std::string& name,
                                   const XmlAttributeList& attributes) {
    reader.collectedText_.clear();
    reader.collectingText_ = true;
    reader.SetCurrentAttributes(&attributes);
    reader.OnStartElement(name, attributes);
    reader.SetCurrentAttributes(nullptr);
}

void CXMLDataManager::EndElement(CXMLDataManager& reader, const std::string& name) {
    // A child's end stops the collecting, so only an element without child elements reports
    // its text.
    bool hasText = reader.collectingText_ && !reader.collectedText_.empty();
    reader.collectingText_ = false;
    // Asked before the text is handed on, which may parse again.
    const bool toolData = IsNamed(name, "XML_ELEMENT");
    const bool package = IsNamed(name, "TP");
    if (hasText) reader.OnEndElement(name, reader.collectedText_);
    if (toolData) reader.CloseXmlElement();
    // Only a package put its task on the stack: the end of a test case or test set inside one
    // must not take the package's task away from the texts and packages that follow.
    if (package && !reader.exchangeTaskIds_.empty()) reader.exchangeTaskIds_.pop_back();
}

void CXMLDataManager::HeaderEndElement(CXMLDataManager& reader, const std::string& name) {
    reader.collectingText_ = false;
    if (IsNamed(name, "PROJECT")) reader.SuspendParser();
}

const std::string& CXMLDataManager::OpenElementNamed(std::string_view name) {
    if (openCount_ == openElements_.size()) openElements_.emplace_back();
    OpenElement& element = openElements_[openCount_++];
    element.name = name;
    element.upperName.clear();
    for (const char c : name)
        if ((c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80) {
            element.upperName = ToUpperText(name);
            break;
        }
    return element.name;
}

void CXMLDataManager::OnCharacterData(CXMLDataManager& reader, std::string_view text) {
    if (reader.collectingText_) reader.collectedText_.append(text);
}

XmlHandlers CXMLDataManager::StandardHandlers() {
    XmlHandlers handlers;
    handlers.start = StartElement;
    handlers.end = EndElement;
    handlers.characterData = OnCharacterData;
    return handlers;
}

XmlHandlers CXMLDataManager::HeaderHandlers() {
    XmlHandlers handlers = StandardHandlers();
    handlers.end = HeaderEndElement;
    return handlers;
}
