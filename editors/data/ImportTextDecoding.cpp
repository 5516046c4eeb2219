#include "editors/data/ImportTextDecoding.h"

#include <algorithm>
#include <string_view>

#include "platform/TextUtil.h"

namespace {

constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// Shorter files carry no mark.
constexpr size_t kShortestMarkedFile = 3;
constexpr char16_t kReplacement = 0xFFFD;

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves unassigned stand for themselves,
// as Windows reads them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string FromUtf16LittleEndian(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size() / 2 + 1);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (bytes.size() % 2) units += kReplacement;
    return Utf16ToUtf8(units);
}

std::string FromWindows1252(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        units += code >= 0x80 && code < 0xA0 ? kWindows1252High[code - 0x80] : static_cast<char16_t>(code);
    }
    return Utf16ToUtf8(units);
}

}  // namespace

std::string DecodeImportText(std::string bytes) {
    const std::string_view view(bytes);
    if (view.size() >= kShortestMarkedFile && view.starts_with(kUtf16LittleEndianMark))
        return FromUtf16LittleEndian(view.substr(kUtf16LittleEndianMark.size()));
    if (view.size() >= kShortestMarkedFile && view.starts_with(kUtf8Mark))
        return SanitizeUtf8(view.substr(kUtf8Mark.size()));
    const bool ascii = std::all_of(view.begin(), view.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii || IsValidUtf8(view)) return bytes;
    return FromWindows1252(view);
}
