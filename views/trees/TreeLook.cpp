#include "views/trees/TreeLook.h"

#include "model/ApplicationKav.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kReadOnlyMark = 49126;
constexpr int kProjectPrefix = 49305;
constexpr int kLibraryPrefix = 49391;

}  // namespace

ItemColours CurrentItemColours() { return {kTreeTextWhite, kTreeCurrentGreen, kTreeCurrentGreen}; }

ItemColours PlainItemColours(std::uint32_t text) { return {text, std::nullopt, std::nullopt}; }

ItemColours HighlightedItemColours(std::uint32_t text) { return {text, std::nullopt, text}; }

std::string FileItemText(const CApplicationKav& project, const CFileKav& file) {
    return LoadMessage(&file == project.GetMainFile() ? kProjectPrefix : kLibraryPrefix) + file.GetName();
}

std::string ReadOnlyMark() { return LoadMessage(kReadOnlyMark); }
