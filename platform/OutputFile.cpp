#include "platform/OutputFile.h"

#include "platform/TextUtil.h"

int WriteUtf8String(std::string_view text, OutputFile* file) {
    if (!file) return 0;
    if (IsAscii(text) || IsValidUtf8(text)) file->Write(text);
    else file->Write(SanitizeUtf8(text));
    return 1;
}
