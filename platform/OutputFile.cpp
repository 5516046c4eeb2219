#include "platform/OutputFile.h"

#include "platform/TextUtil.h"

namespace {

// Most text is ASCII, which is valid UTF-8 and far quicker to recognise.
bool IsAscii(std::string_view text) {
    unsigned char bits = 0;
    for (const char c : text) bits |= static_cast<unsigned char>(c);
    return bits < 0x80;
}

}  // namespace

int WriteUtf8String(std::string_view text, OutputFile* file) {
    if (!file) return 0;
    if (IsAscii(text) || IsValidUtf8(text)) file->Write(text);
    else file->Write(SanitizeUtf8(text));
    return 1;
}
