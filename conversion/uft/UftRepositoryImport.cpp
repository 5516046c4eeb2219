// Importing UFT's object repositories into the project, and the identification settings that
// make UFT record what the import needs: each object's position and size.
#include <algorithm>
#include <array>
#include <string_view>

#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/RepositoryImport.h"
#include "conversion/uft/QTP.h"
#include "conversion/uft/UftClassTable.h"
#include "conversion/uft/UftDescription.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "model/WindowList.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "platform/Progress.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kCouldNotExportAsXml = 44880;
constexpr int kNoIdentificationSettings = 45181;
constexpr int kNoSizeInformation = 45187;
constexpr int kSiebelUnchangeable = 45194;
constexpr int kSettingsConfigured = 42003;
constexpr int kObjectsImported = 42033;
constexpr int kSettingsReset = 42034;
constexpr int kConfiguringEnvironment = 49335;

constexpr const char* kStandardWindows = "Standard Windows";
constexpr const char* kSapWindows = "SAP Windows";

// The properties both jobs handle, in this order.
constexpr std::array<const char*, 6> kGeometryProperties = {"x", "abs_x", "y", "abs_y", "width", "height"};

// The XML form's path: the file name's extension replaced by ".xml", or ".xml" appended. A
// period in a folder name is no extension.
std::string RepositoryXmlPath(const std::string& path) {
    const size_t nameStart = path.find_last_of("/\\");
    const size_t period = path.rfind('.');
    if (period == std::string::npos || (nameStart != std::string::npos && period < nameStart)) return path + ".xml";
    return path.substr(0, period) + ".xml";
}

bool HasProperty(const CWindowKav& window, const char* property) {
    CXMLElement* data = window.GetToolData();
    return data && data->FindByAttribute(uft::kProperty, "Name", property);
}

// The number the property holds; taken out of the description, as the rectangle holds it now.
int TakeProperty(CWindowKav& window, const char* property) {
    const int value = ParseLeadingInt(window.GetQtpPropertyValue(property));
    window.RemoveQtpProperty(property);
    return value;
}

// One direction of the rectangle: the relative property, else the absolute one.
struct Axis {
    const char* relative;
    const char* absolute;
    int parentEdge;
    // The absolute position of the last SAP window, to which the SAP objects after it are
    // relative.
    int* sapBase;
};

class UftCompletion : public RepositoryCompletion {
public:
    explicit UftCompletion(MessageLog* log) : log_(log) {}

    bool Prepare(CWindowKav& window) override {
        const CXMLElement* data = window.GetToolData();
        const std::string name = data ? data->GetAttributeValue("Name") : std::string();
        const std::string className = data ? data->GetAttributeValue("Class") : std::string();
        const CQTPWndType* entry = FindClassEntry(className);
        const std::string environment = entry ? entry->environment : kStandardWindows;

        std::string caption = window.GetQtpPropertyValue("text");
        for (const char* property : {"innertext", "label"})
            if (caption.empty()) caption = window.GetQtpPropertyValue(property);
        if (caption.empty()) caption = name;
        if (!caption.empty()) window.SetCaption(caption);

        const CWindowKav* parent = window.GetParent();
        const bool relativeToParent = parent && parent->GetQtpPropertyValue("is owned window") != "-1";
        const WindowRect parentRect = parent ? parent->GetRect() : WindowRect{};
        int left = Position(window, {"x", "abs_x", parentRect.left, &sapBaseX_}, relativeToParent, environment, className);
        int top = Position(window, {"y", "abs_y", parentRect.top, &sapBaseY_}, relativeToParent, environment, className);
        if (!parent) left = top = 0;
        const int width = TakeProperty(window, "width");
        const int height = TakeProperty(window, "height");

        if (width == 0 && height == 0 && window.GetType() != kWndMenu && className != "SAPGuiSession") {
            if (log_) log_->AddMessage(FormatMessageId(kNoSizeInformation, name));
            return false;
        }
        window.SetRect({std::max(left, 0), std::max(top, 0), std::max(left, 0) + width, std::max(top, 0) + height});
        window.SetImportTool(kFormatUft);
        return true;
    }

    void Complete(CWindowKav& window) override {
        const CXMLElement* data = window.GetToolData();
        const std::string name = data ? data->GetAttributeValue("Name") : std::string();
        window.SetName(CurrentApplication->MakeValidObjectName(name, kKindWindow, window.GetType()));
    }

    CWindowKav* Joined(CWindowKav& window) override {
        const CXMLElement* data = window.GetToolData();
        if (!data || data->GetAttributeValue("Class") != "WinObject" ||
            window.GetQtpPropertyValue("regexpwndclass") != "Button")
            return &window;
        return CurrentApplication->GetWindowList().ChangeType(&window, kWndGroupBox);
    }

    std::string SuccessLine(int count) const override { return FormatMessageId(kObjectsImported, count); }

private:
    // The position along one axis; both properties leave the description.
    static int Position(CWindowKav& window, const Axis& axis, bool relativeToParent, const std::string& environment,
                        const std::string& className) {
        const bool hasRelative = HasProperty(window, axis.relative);
        const bool hasAbsolute = HasProperty(window, axis.absolute);
        int relative = TakeProperty(window, axis.relative);
        int absolute = TakeProperty(window, axis.absolute);
        if (hasRelative) return relativeToParent ? relative - axis.parentEdge : relative;
        if (!hasAbsolute) return 0;
        if (environment == kSapWindows) {
            if (className != "SAPGuiWindow") return absolute - *axis.sapBase;
            *axis.sapBase = absolute;
            return 0;
        }
        if (environment == "Web" && className == "Page") return 0;
        return absolute;
    }

    MessageLog* log_;
    int sapBaseX_ = 0;
    int sapBaseY_ = 0;
};

// The converter's log lines, as they come, in the message log window's log.
class LogForwarding : public ProgressObserver {
public:
    explicit LogForwarding(MessageLog& log) : log_(log) {}
    void OnLogLine(const std::string& line) override { log_.AddMessage(line); }

private:
    MessageLog& log_;
};

template <class Job>
int RunOnUftConverter(MessageLog& log, Job job) {
    Progress progress;
    LogForwarding forwarding(log);
    progress.AddObserver(&forwarding);
    CQTP converter(0, &progress);
    return job(converter);
}

}  // namespace

int RunUftRepositoryImport(const std::string& path, MessageLog& log) {
    return RunOnUftConverter(log, [&](CQTP& converter) { return converter.ImportRepository(path); });
}

int RunUftIdentificationSettings(int reset, MessageLog& log) {
    return RunOnUftConverter(log, [&](CQTP& converter) { return converter.ConfigureIdentification(reset); });
}

int CQTP::ImportRepository(std::string path) {
    if (!ConnectRepositoryUtil()) return 0;
    const std::string xmlPath = RepositoryXmlPath(path);
    bool text = false;
    if (!automation_->ConvertTsrToXml(path, xmlPath, text).ok || !text) return Fail(kCouldNotExportAsXml, path);
    MessageLog* log = log_ ? &log_->Log() : nullptr;
    UftCompletion completion(log);
    return RunRepositoryImport(kFormatUft, xmlPath, log, completion);
}

int CQTP::ConfigureIdentification(int reset) {
    CloseUftWhenDone();
    if (!LaunchUft()) return 0;
    bool found = false;
    if (!Called(automation_->OpenIdentificationSettings(found))) return 0;
    if (!found) return Fail(kNoIdentificationSettings);
    std::vector<UftEnvironment> loaded;
    if (!Called(automation_->GetEnvironments(loaded))) return 0;

    std::vector<std::string> environments = {kStandardWindows};
    for (const UftEnvironment& environment : loaded)
        if (environment.status == "Active") environments.push_back(environment.name);
    for (const std::string& environment : environments) {
        if (environment == "Siebel") {
            Log(FormatMessageId(kSiebelUnchangeable));
            continue;
        }
        Log(FormatMessageId(kConfiguringEnvironment, environment));
        for (const CQTPWndType& entry : GetUftClassTable()) {
            if (GetToolEnvironmentName(entry.environment) != environment) continue;
            if (!Called(automation_->HasIdentifiedClass(entry.className, found))) return 0;
            if (!found) continue;
            for (const std::string_view property : kGeometryProperties) {
                const std::string name(property);
                long index = -1;
                if (!reset) {
                    // SAP's windows are placed by their absolute position alone.
                    if (entry.environment == kSapWindows && (name == "x" || name == "y")) continue;
                    if (!Called(automation_->FindOfferedProperty(entry.className, name, index))) return 0;
                    if (index != -1 && !Called(automation_->AddIdentifyingProperty(entry.className, name))) return 0;
                } else {
                    if (!Called(automation_->FindIdentifyingProperty(entry.className, name, index))) return 0;
                    if (index != -1 && !Called(automation_->RemoveIdentifyingProperty(entry.className, index))) return 0;
                }
            }
        }
    }
    Log(FormatMessageId(reset ? kSettingsReset : kSettingsConfigured));
    return 1;
}
