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

int MessageLog::SaveToLogFile(CLogFile& file) const { return WriteToLogFile(file, false, kLogSaved); }

int MessageLog::AppendToLogFile(CLogFile& file, int savedMessageId) const {
    return WriteToLogFile(file, true, savedMessageId);
}

int MessageLog::WriteToLogFile(CLogFile& file, bool append, int savedMessageId) const {
    if (lines_.empty() || !file.Open(append)) return 0;
    for (const std::string& line : lines_) file.WriteLine(line);
    if (!file.Close()) return 0;
    SetMessage(savedMessageId, file.GetFilePath());
    return 1;
}
