#include "platform/MessageLog.h"

#include "platform/LogFile.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {
constexpr int kLogSaved = 42024;
}

void MessageLog::AddMessage(std::string_view text) {
    std::string rest(text);
    bool last = false;
    while (!last) {
        lines_.push_back(SplitFirstLine(rest, last));
        if (listener_) listener_(lines_.back());
    }
}

int MessageLog::SaveToLogFile(CLogFile& file) const {
    if (lines_.empty() || !file.Open(false)) return 0;
    for (const std::string& line : lines_) file.WriteLine(line);
    if (!file.Close()) return 0;
    SetMessage(kLogSaved, file.GetFilePath());
    return 1;
}
