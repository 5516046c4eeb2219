// The element dispatch: the handler of each element name, the root and project elements, and
// the messages shared by every handler.
#include "persistence/ElementDispatch.h"

#include <array>

#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "persistence/VornakInterface.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kNoProjectFile = 44859;      // [W0859]
constexpr int kSecondProject = 44799;      // [W0799]
constexpr int kMisplacedProject = 44897;   // [W0897]
constexpr int kUnknownElement = 44910;     // [W0910]
constexpr int kInterfaceOnly = 45078;      // [W1078]
constexpr int kMisplacedInMessage = 45079;  // [W1079]
constexpr int kStructureError = 2;

constexpr std::string_view kCommandPrefix = "CMD_";

// The place of a name in the handler table. The names of the table differ enough in length and
// the first two and last letters; hashing the whole name cost more than the rest of the dispatch.
constexpr std::size_t kHandlerPlaces = 128;
std::size_t HandlerPlace(std::string_view name) {
    const auto letter = [&](std::size_t at) { return static_cast<std::size_t>(static_cast<unsigned char>(name[at])); };
    const std::size_t hash = name.size() < 2 ? (name.empty() ? 0 : letter(0))
                                             : name.size() * 131 + letter(0) * 31 + letter(1) * 7 + letter(name.size() - 1);
    return hash % kHandlerPlaces;
}

}  // namespace

// The element is the innermost open one: StartElement opened it.
void CXMLDataManager::OnStartElement(const std::string& name, const XmlAttributeList&) {
    if (!currentProject_) currentProject_ = GetCurrentProject();
    const std::string_view parent = openCount_ < 2 ? std::string_view() : openElements_[openCount_ - 2].UpperName();
    // Without a project nothing can be read; the parse error names the place.
    if (!currentProject_ ||
        !ElementDispatch(*this, *currentProject_, name, openElements_[openCount_ - 1].UpperName(), parent).Run())
        StopParser();
}

ElementDispatch::ElementDispatch(CXMLDataManager& reader, CApplicationKav& project, const std::string& writtenName,
                                 std::string_view name, std::string_view parent)
    : reader_(reader),
      current_(reader.current_),
      project_(project),
      writtenName_(writtenName),
      name_(name),
      parent_(parent) {}

ElementDispatch::Handler ElementDispatch::FindHandler(std::string_view name) {
    struct Entry {
        std::string_view name;
        Handler handler;
    };
    static constexpr Entry kHandlers[] = {
        {"ACT", &ElementDispatch::Action},
        {"ARG", &ElementDispatch::Argument},
        {"ATT", &ElementDispatch::Attribute},
        {"BB_INFO", &ElementDispatch::BuildingBlockInfo},
        {"CND", &ElementDispatch::Condition},
        {"CONNECT", &ElementDispatch::Connection},
        {"DATAEFFECT", &ElementDispatch::DataEffect},
        {"DATAEFFECTID", &ElementDispatch::EffectReference},
        {"DATAFIELD", &ElementDispatch::DataField},
        {"DATARECORD", &ElementDispatch::DataRecord},
        {"DATASET", &ElementDispatch::DataSet},
        {"DATAVALUE", &ElementDispatch::DataValue},
        {"EQCLASS", &ElementDispatch::EqClass},
        {"FILE", &ElementDispatch::FileEntry},
        {"GUIBUILDER", &ElementDispatch::GuiBuilder},
        {"KAVRO_DATA", &ElementDispatch::Root},
        {"PROJECT", &ElementDispatch::Project},
        {"REQ", &ElementDispatch::Requirement},
        {"TABPAGE", &ElementDispatch::TabPage},
        {"TASK", &ElementDispatch::Task},
        {"TASKREQ", &ElementDispatch::TaskRequirement},
        {"TASKSTEP", &ElementDispatch::TaskStep},
        {"TC", &ElementDispatch::TestCase},
        {"TESTSTEP", &ElementDispatch::TestStep},
        {"TRANS", &ElementDispatch::Transition},
        {"TS", &ElementDispatch::TestScript},
        {"USR_FIELD", &ElementDispatch::StepField},
        {"WND", &ElementDispatch::Window},
        {"WNDCLASS", &ElementDispatch::WindowClass},
        {"XML_ATT", &ElementDispatch::XmlAttribute},
        {"XML_ELEMENT", &ElementDispatch::XmlElement},
        {"COMMAND", &ElementDispatch::Command},
        {"KAVRO_LIB", &ElementDispatch::LibraryEntry},
        {"VORNAK_KAVRO_INTERFACE", &ElementDispatch::InterfaceRoot},
        {"ADD_TEST_LEVEL", &ElementDispatch::ExchangeText},
        {"CONTENT", &ElementDispatch::ExchangeText},
        {"DESCRIPTION", &ElementDispatch::ExchangeText},
        {"POSTCONDITION", &ElementDispatch::ExchangeText},
        {"PRECONDITION", &ElementDispatch::ExchangeText},
        {"REQUIREMENT", &ElementDispatch::ExchangeText},
        {"REQUIREMENTSTRUCTURE", &ElementDispatch::ExchangeText},
        {"USER_DEFINED_ATTRIBUTE", &ElementDispatch::ExchangeText},
        {"VORNAK_EXCHANGE", &ElementDispatch::ExchangeRoot},
        {"TP", &ElementDispatch::TestPackage},
        {"DOVA_DRIVER_DATA", &ElementDispatch::DriverDataRoot},
        {"DOVA_TEMPLATE", &ElementDispatch::DriverTemplate},
        {"DOVA_PARAMETER", &ElementDispatch::DriverParameter},
    };
    // Open addressing over more than twice as many places as names: most are at their own place.
    static const auto places = [] {
        std::array<const Entry*, kHandlerPlaces> table{};
        for (const Entry& entry : kHandlers) {
            std::size_t at = HandlerPlace(entry.name);
            while (table[at]) at = (at + 1) % kHandlerPlaces;
            table[at] = &entry;
        }
        return table;
    }();
    for (std::size_t at = HandlerPlace(name); places[at]; at = (at + 1) % kHandlerPlaces)
        if (places[at]->name == name) return places[at]->handler;
    if (name.starts_with(kCommandPrefix)) return &ElementDispatch::CommandKind;
    return &ElementDispatch::Unknown;
}

bool ElementDispatch::Run() { return (this->*FindHandler(name_))(); }

bool ElementDispatch::Fail(int message) const {
    SetMessage(message);
    return false;
}

bool ElementDispatch::FailAsStructureError(int message) const {
    if (VornakInterface* vornak = GetVornakInterface()) vornak->SetReadError(kStructureError);
    return Fail(message);
}

bool ElementDispatch::FailInMessage() const {
    if (VornakInterface* vornak = GetVornakInterface()) vornak->SetReadError(kStructureError);
    SetMessage(kMisplacedInMessage, writtenName_);
    return false;
}

VornakInterface* ElementDispatch::RequireInterface() const {
    VornakInterface* vornak = GetVornakInterface();
    if (!vornak) SetMessage(kInterfaceOnly, writtenName_);
    return vornak;
}

std::string ElementDispatch::FilePath() const {
    return reader_.CurrentFile() ? reader_.CurrentFile()->GetFullPath() : std::string();
}

// Project data may also arrive inside a message of the interface.
bool ElementDispatch::Root() {
    if (!reader_.ReadRoot()) return false;
    if (Under("") || Under("CMD_DATA_KAVRO") || Under("CMD_DATA_LIB")) return true;
    if (VornakInterface* vornak = GetVornakInterface()) vornak->SetReadError(kStructureError);
    SetMessage(kNoProjectFile, FilePath());
    return false;
}

bool ElementDispatch::Project() {
    if (Under("VORNAK_EXCHANGE")) {
        VornakInterface* vornak = RequireInterface();
        if (!vornak) return false;
        vornak->StartExchangeProject(
            project_.MakeValidObjectName(reader_.GetAttribute("name", "KAVRO_Tasks"), kKindTask, 0));
        return true;
    }
    if (reader_.projectElementRead_) return Fail(kSecondProject);
    if (Under("KAVRO_DATA")) {
        reader_.projectElementRead_ = true;
        return reader_.ReadProject();
    }
    // Elsewhere it means nothing, except inside a message of the interface.
    if (GetVornakInterface()) return FailAsStructureError(kMisplacedProject);
    return true;
}

bool ElementDispatch::Unknown() {
    if (VornakInterface* vornak = GetVornakInterface()) vornak->SetReadError(kStructureError);
    SetMessage(kUnknownElement, writtenName_, FilePath());
    return false;
}
