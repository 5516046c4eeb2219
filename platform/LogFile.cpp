#include "platform/LogFile.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "platform/UserFolders.h"

namespace {

constexpr int kUnableToOpenLogFile = 44399;
constexpr std::string_view kByteOrderMark = "\xFF\xFE";

void WarnUnableToOpen() {
    GetInteraction().ShowMessage({FormatMessageId(kUnableToOpenLogFile), {}, MessageButtons::Ok, MessageIcon::Warning});
}

// What the file holds now, when it can be kept; nothing when it cannot be read.
std::optional<std::string> ReadExisting(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return bytes.str();
}

}  // namespace

// Without a Logs folder the path stays empty, so Open fails rather than write to the working
// directory.
CLogFile::CLogFile()
    : CLogFile(GetUserFolders().logs.empty() ? std::filesystem::path() : GetUserFolders().logs / "Logfile.txt") {}

CLogFile::CLogFile(std::filesystem::path path) : path_(std::move(path)) {}

CLogFile::~CLogFile() { Close(); }

int CLogFile::Open(bool append) {
    Close();
    std::error_code ec;
    std::filesystem::path folder = path_.parent_path();
    bool exists = std::filesystem::exists(path_, ec);
    bool usable = !path_.empty() && std::filesystem::is_directory(folder, ec) &&
                  ::access(folder.c_str(), W_OK | X_OK) == 0 &&
                  (!exists || std::filesystem::is_regular_file(path_, ec));
    std::string start(kByteOrderMark);
    if (usable && append && exists) {
        std::optional<std::string> existing = ReadExisting(path_);
        if (!existing) usable = false;
        else if (!existing->empty()) start = std::move(*existing);
    }
    if (!usable) {
        WarnUnableToOpen();
        return 0;
    }
    file_.emplace(path_, std::move(start));
    return 1;
}

int CLogFile::WriteLine(std::string_view text) {
    if (file_) {
        file_->Write(Utf8ToUtf16LittleEndian(text));
        file_->Write(Utf8ToUtf16LittleEndian("\r\n"));
    }
    return 1;
}

std::string CLogFile::GetFilePath() const { return path_.string(); }

int CLogFile::Close() {
    if (!file_) return 1;
    bool written = file_->Commit().ok;
    file_.reset();
    if (written) return 1;
    WarnUnableToOpen();
    return 0;
}
