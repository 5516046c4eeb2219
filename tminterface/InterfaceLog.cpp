#include "tminterface/InterfaceLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/TextUtil.h"
#include "platform/UserFolders.h"
#include "tminterface/VornakCommands.h"

namespace {

std::string WithCrLf(std::string_view text) {
    std::string lines;
    lines.reserve(text.size() + 2);
    for (char c : text) {
        if (c == '\n') lines += '\r';
        lines += c;
    }
    lines += "\r\n";
    return lines;
}

std::string Banner(std::string_view text, int before, int after) {
    std::string banner(static_cast<size_t>(before), '*');
    banner += ' ';
    banner += text;
    banner += ' ';
    banner.append(static_cast<size_t>(after), '*');
    return banner;
}

}  // namespace

InterfaceLog::InterfaceLog(std::string_view fileName, int level) : level_(level) {
    const std::filesystem::path& logs = GetUserFolders().logs;
    if (!logs.empty()) path_ = logs / fileName;
}

void InterfaceLog::Write(std::string_view text, int level) const {
    if (level_ < level || level_ == kVornakLogOff || path_.empty()) return;
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    struct stat status {};
    std::string bytes = ::fstat(fd, &status) == 0 && status.st_size == 0 ? "\xFF\xFE" : "";
    const DateTime now = GetClock().LocalNow();
    bytes += Utf8ToUtf16LittleEndian(Fmt("%.2d:%.2d:%.2d ", now.hour, now.minute, now.second));
    bytes += Utf8ToUtf16LittleEndian(WithCrLf(text));
    // A log line that cannot be written is given up; the exchange goes on.
    for (std::string_view rest = bytes; !rest.empty();) {
        const ssize_t written = ::write(fd, rest.data(), rest.size());
        if (written <= 0) break;
        rest.remove_prefix(static_cast<size_t>(written));
    }
    ::close(fd);
}

void InterfaceLog::WriteBanner(std::string_view text, int level) const { Write(Banner(text, 21, 20), level); }

void InterfaceLog::WriteCommand(std::string_view banner, int command) const {
    Write(Banner(banner, 17, 16));
    std::string line = "Command: ";
    line += VornakCommandName(command);
    Write(line);
}
