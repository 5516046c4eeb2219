#include "conversion/framework/TagGeneration.h"

#include "conditions/EventParser.h"
#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kOnlyEditableWindows = 42022;
constexpr int kInformationCaption = 47155;

// The context in which the missing-tag check asks the tool's parser.
constexpr int kTagCheckContext = 1;

int GenerateTreeTags(int format, CWindowKav& window, int preferCaption, const ConverterTable& table) {
    if (!window.IsEditable(false) || window.GetImportTool() != 0) return 1;
    const ConverterEntry* entry = FindConverterEntry(table, format);
    // Only the outside tools, which have an event parser, recognise windows by tags.
    if (!entry || !entry->createParser) return 1;
    if (!entry->generateTags) return 0;
    return entry->generateTags(window, preferCaption);
}

}  // namespace

int GenerateWindowTags(CApplicationKav& project, int format, CWindowKav* window, int preferCaption,
                       const ConverterTable& table) {
    if (window) return GenerateTreeTags(format, *window, preferCaption, table);
    if (project.GetMasterFile())
        GetInteraction().ShowMessage({LoadMessage(kOnlyEditableWindows), LoadMessage(kInformationCaption),
                                      MessageButtons::Ok, MessageIcon::Information});
    int result = 1;
    // Generation may rename windows, which moves them in the table.
    for (CWindowKav* topWindow : project.GetWindowList().Snapshot())
        if (!topWindow->GetParent() && GenerateTreeTags(format, *topWindow, preferCaption, table) != 1) result = 0;
    return result;
}

std::vector<CWindowKav*> FindWindowsMissingTags(CApplicationKav& project, int format, const ConverterTable& table) {
    const ConverterEntry* entry = FindConverterEntry(table, format);
    std::unique_ptr<CEventParser> parser = entry && entry->createParser ? entry->createParser() : nullptr;
    if (!parser) return {};
    std::vector<CWindowKav*> missing;
    for (CWindowKav* window : project.GetWindowList().Snapshot())
        if (window->GetTag().empty() && !window->GetToolData() && window->IsEditable(false) &&
            !parser->IsTagOptional(window, kTagCheckContext))
            missing.push_back(window);
    return missing;
}
