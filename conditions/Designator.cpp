#include "conditions/Designator.h"

#include "conditions/DesignatorLookup.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// One "%d" of the scanner at the position; the position moves behind the number.
bool ReadNumber(std::string_view text, size_t& position, int& number) {
    size_t end = 0;
    number = ParseLeadingInt(text.substr(position), &end);
    if (end == 0) return false;
    position += end;
    return true;
}

}  // namespace

std::string_view DesignatorBody(std::string_view designator) {
    if (designator.empty() || designator.front() != '#') return designator;
    return designator.size() < 2 ? std::string_view{} : designator.substr(1, designator.size() - 2);
}

int SplitDesignator(std::string_view designator, DesignatorParts& parts) {
    parts = {};
    if (designator.empty()) return 0;
    std::string_view rest = DesignatorBody(designator);
    if (!rest.empty() && rest.front() == '^') {
        const size_t colon = rest.find(':');
        if (colon == std::string_view::npos) {
            SetMessage(45207, rest);
            return 0;
        }
        parts.library = rest.substr(1, colon - 1);
        rest.remove_prefix(colon + 1);
    }
    const size_t colon = rest.find(':');
    parts.window = rest.substr(0, colon);
    if (colon != std::string_view::npos) parts.attribute = rest.substr(colon + 1);
    return 1;
}

CKavroObj* ResolveDesignatorParts(const DesignatorParts& parts) {
    // Without a project nothing can be named: every lookup comes back empty.
    CApplicationKav* app = CurrentApplication;
    const CFileKav* scope = app ? app->GetMainFile() : nullptr;
    if (!parts.library.empty() && !(scope = app ? app->FindFile(parts.library, false) : nullptr)) {
        SetMessage(45208, parts.library);
        return nullptr;
    }
    const std::string& window = parts.window;
    if (window.empty()) {
        if (CAttributeKav* attribute = app ? app->FindAttribute(parts.attribute, false, scope) : nullptr)
            return attribute;
        SetMessage(44749, parts.attribute);
        return nullptr;
    }
    const std::string name = window.substr(1);
    if (window.front() == '@') {
        if (CTaskKav* task = app ? app->FindTask(name, false, scope) : nullptr) return task;
        SetMessage(44750, name);
        return nullptr;
    }
    if (window.front() == '~') {
        if (CDataSet* dataSet = app ? app->FindDataSet(name, false, scope) : nullptr) return dataSet;
        SetMessage(44430, name);
        return nullptr;
    }
    if (CWindowKav* found = app ? app->GetWindowList().FindByName(window, scope) : nullptr) return found;
    SetMessage(44145, window);
    return nullptr;
}

CKavroObj* ResolveDesignatorObject(std::string_view designator) {
    DesignatorParts parts;
    if (!SplitDesignator(designator, parts)) return nullptr;
    return ResolveDesignatorParts(parts);
}

int CheckDesignator(const CConditionContext& context, std::string_view designator, int& type, std::string& action) {
    DesignatorInfo info;
    action = info.action;
    const int result = DescribeDesignator(context, designator, DesignatorUse::kCheck, info);
    if (result == 1) {
        type = info.type;
        action = info.action;
    }
    return result;
}

bool ReadListRow(std::string_view property, int& row) {
    size_t position = 1;
    return !property.empty() && property.front() == '$' && ReadNumber(property, position, row);
}

bool ReadTableCell(std::string_view property, int& row, int& column) {
    size_t position = 1;
    if (property.empty() || property.front() != '$' || !ReadNumber(property, position, row)) return false;
    if (position >= property.size() || property[position] != ',') return false;
    ++position;
    return ReadNumber(property, position, column);
}

int ParseListRowDesignator(std::string_view property, std::string& row) {
    int number = 0;
    if (!ReadListRow(property, number)) {
        SetMessage(44275);
        return 0;
    }
    row = std::to_string(number);
    return 1;
}

int ParseTableCellDesignator(std::string_view property, std::string& row, std::string& column) {
    int rowNumber = 0, columnNumber = 0;
    if (!ReadTableCell(property, rowNumber, columnNumber)) {
        SetMessage(44276);
        return 0;
    }
    row = std::to_string(rowNumber);
    column = std::to_string(columnNumber);
    return 1;
}
