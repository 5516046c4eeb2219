#include "conversion/framework/ConverterHelpers.h"

#include <system_error>

#include "platform/Format.h"
#include "platform/TextUtil.h"

std::string SecondsText(int milliseconds) {
    const char* sign = milliseconds < 0 ? "-" : "";
    const long long magnitude = milliseconds < 0 ? -static_cast<long long>(milliseconds) : milliseconds;
    return Fmt("%s%d.%03d", sign, magnitude / 1000, magnitude % 1000);
}

bool MakeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directory(folder, error);
    return std::filesystem::exists(folder, error);
}

bool IsFolder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::string JoinLines(const std::string& text) {
    return ReplaceSeparators(ReplaceSeparators(text, "\n", " "), "\r", " ");
}
