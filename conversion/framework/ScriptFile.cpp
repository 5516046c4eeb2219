#include "conversion/framework/ScriptFile.h"

#include "platform/AtomicFile.h"
#include "platform/TextUtil.h"

namespace {

std::string EncodeLatin1(std::string_view text) {
    const std::u16string units = Utf8ToUtf16(text);
    std::string bytes;
    bytes.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit <= 0xFF) {
            bytes.push_back(static_cast<char>(unit));
            continue;
        }
        // A character outside the code page, a surrogate pair counting as one.
        bytes.push_back('?');
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF)
            ++i;
    }
    return bytes;
}

}  // namespace

std::string ScriptFile::EncodedBytes() const {
    switch (encoding_) {
        case ScriptEncoding::Utf16LeWithBom: {
            std::string bytes = "\xFF\xFE";
            bytes += Utf8ToUtf16LittleEndian(text_);
            return bytes;
        }
        case ScriptEncoding::Latin1: return EncodeLatin1(text_);
        case ScriptEncoding::Utf8: return SanitizeUtf8(text_);
    }
    return {};
}

bool ScriptFile::Commit() const { return WriteFileAtomically(path_, EncodedBytes()).ok; }
