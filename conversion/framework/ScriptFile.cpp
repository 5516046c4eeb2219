#include "conversion/framework/ScriptFile.h"

#include "platform/AtomicFile.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "platform/TextUtil.h"

namespace {

std::string EncodeLatin1(std::string_view text, int& replaced) {
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
        ++replaced;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF)
            ++i;
    }
    return bytes;
}

}  // namespace

void ScriptFile::WriteText(std::string_view text) {
    for (size_t lineFeed; (lineFeed = text.find('\n')) != std::string_view::npos; text.remove_prefix(lineFeed + 1))
        WriteLine(text.substr(0, lineFeed));
    Write(text);
}

std::string ScriptFile::EncodedBytes(int* replaced) const {
    int unencodable = 0;
    std::string bytes;
    switch (encoding_) {
        case ScriptEncoding::Utf16LeWithBom: bytes = "\xFF\xFE" + Utf8ToUtf16LittleEndian(text_); break;
        case ScriptEncoding::Latin1: bytes = EncodeLatin1(text_, unencodable); break;
        case ScriptEncoding::Utf8: bytes = SanitizeUtf8(text_); break;
    }
    if (replaced) *replaced = unencodable;
    return bytes;
}

bool ScriptFile::Commit(int* replaced) const { return WriteFileAtomically(path_, EncodedBytes(replaced)).ok; }

bool CommitReportingReplacements(const ScriptFile& file, Progress* progress) {
    int replaced = 0;
    if (!file.Commit(&replaced)) return false;
    if (replaced > 0 && progress) progress->AddLogText(FormatMessageId(49911, replaced, file.Path().string()));
    return true;
}
