// Importing a Ranorex repository into the project: the reader's windows get what the last step
// of their RanoreXPath says of them (caption, control id, position and size) and, as their tag,
// the path without coordinates and their capabilities.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/RepositoryImport.h"
#include "conversion/ranorex/Ranorex.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kNoSizeInformation = 44398;
constexpr int kObjectsImported = 42035;

// What may follow an attribute's name in a predicate.
constexpr std::string_view kOperators = " =~!<>";

// The quote that closes a value opened before from; two quotes in a row are one inside it.
size_t ClosingQuote(std::string_view path, size_t from) {
    for (size_t at = from; at < path.size(); ++at) {
        if (path[at] != '\'') continue;
        if (at + 1 < path.size() && path[at + 1] == '\'') ++at;
        else return at;
    }
    return std::string_view::npos;
}

// Where the predicate of the attribute whose name ends there ends: after its quoted value, or at
// the next "@" or "]" when it has none.
size_t PredicateEnd(std::string_view path, size_t nameEnd) {
    const size_t quote = path.find('\'', nameEnd);
    const size_t next = path.find_first_of("@]", nameEnd);
    if (quote == std::string_view::npos || quote > next) return next;
    const size_t close = ClosingQuote(path, quote + 1);
    return close == std::string_view::npos ? close : close + 1;
}

std::string Unquote(std::string_view value) {
    std::string text;
    for (size_t at = 0; at < value.size(); ++at) {
        text += value[at];
        if (value[at] == '\'' && at + 1 < value.size() && value[at + 1] == '\'') ++at;
    }
    return text;
}

// A number as C reads one with base 0: decimal, "0x" hexadecimal or "0" octal; saturated at the
// int range.
int ParseCNumber(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 0);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

class RanorexCompletion : public RepositoryCompletion {
public:
    RanorexCompletion(CRanorex& converter, MessageLog* log) : converter_(converter), log_(log) {}

    void Complete(CWindowKav& window) override {
        const CXMLElement* data = window.GetToolData();
        const std::string capability = data ? data->GetAttributeValue("capname") : std::string();
        const std::string capabilityList = data ? data->GetAttributeValue("addcaps") : std::string();
        const std::string name = data ? data->GetAttributeValue("name") : std::string();
        const std::string path = PathOf(data);

        converter_.ParsePathAttributes(path);
        window.SetName(CurrentApplication->MakeValidObjectName(name, kKindWindow, window.GetType()));
        if (const std::string* caption = First({"caption", "title", "text", "name"})) window.SetCaption(*caption);
        if (const std::string* id = First({"id", "controlid", "processid"}))
            if (const int numId = ParseCNumber(*id)) window.SetNumID(numId);

        int x = 0;
        int y = 0;
        if (const CWindowKav* parent = window.GetParent()) {
            x = std::max(Decimal("x") - parent->GetRect().left, 0);
            y = std::max(Decimal("y") - parent->GetRect().top, 0);
        }
        const int width = Decimal("width");
        const int height = Decimal("height");
        if (width == 0 && height == 0 && window.GetType() != kWndMenu && log_)
            log_->AddMessage(FormatMessageId(kNoSizeInformation, name));
        window.SetRect({x, y, x + width, y + height});
        window.SetImportTool(kFormatRanorex);
        window.SetTag(CRanorex::RemoveCoordinateAttributes(path) + "\r\n" + capability + "\r\n" + capabilityList);
    }

    std::string SuccessLine(int count) const override { return FormatMessageId(kObjectsImported, count); }

private:
    // A folder's path is its base path; an item's its text.
    static std::string PathOf(const CXMLElement* data) {
        if (!data) return {};
        if (!EqualsNoCase(data->GetName(), "appfolder") && !EqualsNoCase(data->GetName(), "folder"))
            return data->GetValue();
        const CXMLElement* basePath = data->FindChild("basepath");
        return basePath ? basePath->GetValue() : std::string();
    }

    // The value of the first of the attributes that the path's last step names.
    const std::string* First(std::initializer_list<const char*> names) const {
        const auto& attributes = converter_.GetPathAttributes();
        for (const char* name : names)
            if (const auto found = attributes.find(name); found != attributes.end()) return &found->second;
        return nullptr;
    }

    int Decimal(const char* name) const {
        const std::string* value = First({name});
        return value ? ParseLeadingInt(*value) : 0;
    }

    CRanorex& converter_;
    MessageLog* log_;
};

}  // namespace

int RunRanorexRepositoryImport(const std::string& path, MessageLog& log) {
    CRanorex converter(0, &log);
    return converter.ImportRepository(path);
}

int CRanorex::ImportRepository(std::string path) {
    RanorexCompletion completion(*this, log_);
    return RunRepositoryImport(kFormatRanorex, path, log_, completion);
}

void CRanorex::ParsePathAttributes(const std::string& path) {
    pathAttributes_.clear();
    size_t at = path.rfind('[');
    if (at == std::string::npos) return;
    while ((at = path.find('@', at)) != std::string::npos) {
        const size_t nameEnd = path.find_first_of(kOperators, at + 1);
        if (nameEnd == std::string::npos) return;
        const size_t open = path.find('\'', nameEnd);
        if (open == std::string::npos) return;
        const size_t close = ClosingQuote(path, open + 1);
        const std::string_view value = std::string_view(path).substr(open + 1, close - open - 1);
        pathAttributes_[path.substr(at + 1, nameEnd - at - 1)] = Unquote(value);
        if (close == std::string::npos) return;
        at = close + 1;
    }
}

std::string CRanorex::RemovePathAttribute(const std::string& attribute, const std::string& path) {
    std::string result = path;
    size_t from = 0;
    for (size_t at; !attribute.empty() && (at = result.find(attribute, from)) != std::string::npos;) {
        const size_t nameEnd = at + attribute.size();
        const size_t opening = at == 0 ? std::string::npos : result.find_last_of("'[", at - 1);
        if (nameEnd >= result.size() || kOperators.find(result[nameEnd]) == std::string_view::npos ||
            opening == std::string::npos) {
            from = at + 1;
            continue;
        }
        const size_t end = PredicateEnd(result, nameEnd);
        if (result[opening] == '\'') {
            // After an earlier predicate: the joining text before this one goes with it.
            result.erase(opening + 1, std::min(end, result.size()) - opening - 1);
            from = opening + 1;
            continue;
        }
        const size_t stop = end == std::string::npos ? end : result.find_first_of("@]", end);
        if (stop == std::string::npos) {
            result.erase(opening + 1);
            break;
        }
        if (result[stop] == ']') {
            // The only predicate of its step: the brackets go too.
            result.erase(opening, stop + 1 - opening);
            from = opening;
        } else {
            result.erase(opening + 1, stop - opening - 1);
            from = opening + 1;
        }
    }
    return result;
}

std::string CRanorex::RemoveCoordinateAttributes(const std::string& path) {
    std::string result = path;
    for (const char* attribute : {"@height", "@width", "@x", "@y"}) result = RemovePathAttribute(attribute, result);
    return result;
}
