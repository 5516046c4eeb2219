// Opening project files: reading a whole file (asking for a missing one) and writing one, which
// is assembled in memory and replaces the old file only once it is complete.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kFileNotFoundSearch = 43049;  // [Q0049]
constexpr int kCouldNotWrite = 44856;       // [W0856]
constexpr int kCouldNotRead = 44857;        // [W0857]
constexpr int kWriteAccessDenied = 44881;   // [W0881]
constexpr int kReadAccessDenied = 44882;    // [W0882]
constexpr int kOpenFileTitle = 47213;       // "Open File"

constexpr std::string_view kXmlFileFilter = "XML Files (*.xml)|*.xml|All files (*.*)|*.*||";

enum class ReadResult { Read, NotFound, AccessDenied, Failed };

ReadResult ReadWholeFile(const std::string& path, std::string& bytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return ReadResult::NotFound;
        return errno == EACCES || errno == EPERM ? ReadResult::AccessDenied : ReadResult::Failed;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ReadResult::Failed;
    }
    std::string content;
    content.reserve(static_cast<size_t>(info.st_size));
    char chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return ReadResult::Failed;
        }
        if (n == 0) break;
        content.append(chunk, static_cast<size_t>(n));
    }
    ::close(fd);
    bytes = std::move(content);
    return ReadResult::Read;
}

bool IsWritable(const std::filesystem::path& path) { return ::access(path.c_str(), W_OK) == 0; }

std::string RootStartTag() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<KAVRO_DATA Version=\"" + std::string(kProjectFileVersion) +
           "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
           " xsi:noNamespaceSchemaLocation=\"KavroData.xsd\">\n";
}

}  // namespace

bool CXMLDataManager::OpenProjectFile(const std::string& path, bool write, std::string& pathUsed) {
    namespace fs = std::filesystem;
    if (write) {
        fs::path target(path);
        fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
        std::error_code error;
        if (path.empty() || !fs::is_directory(folder, error) || fs::is_directory(target, error)) {
            SetMessage(kCouldNotWrite, path);
            return false;
        }
        if (!IsWritable(folder) || (fs::exists(target, error) && !IsWritable(target))) {
            SetMessage(kWriteAccessDenied, path);
            return false;
        }
        outputFile_.emplace(target, RootStartTag());
        // A project is saved again at about the size it had: room for that spares the text
        // being moved as it grows.
        if (const auto size = fs::file_size(target, error); !error) outputFile_->Reserve(size + size / 8);
        pathUsed = path;
        return true;
    }

    for (std::string candidate = path;;) {
        switch (ReadWholeFile(candidate, fileBuffer_)) {
            case ReadResult::Read:
                pathUsed = candidate;
                return true;
            case ReadResult::AccessDenied:
                SetMessage(kReadAccessDenied, candidate);
                return false;
            case ReadResult::Failed:
                SetMessage(kCouldNotRead, candidate);
                return false;
            case ReadResult::NotFound:
                break;
        }
        Interaction& interaction = GetInteraction();
        if (interaction.Ask(FormatMessageId(kFileNotFoundSearch, candidate), MessageButtons::YesNo,
                            MessageAnswer::Yes) != MessageAnswer::Yes) {
            SetMessage(kCouldNotRead, candidate);
            return false;
        }
        FileDialogRequest request;
        request.kind = FileDialogRequest::Kind::Open;
        request.title = LoadMessage(kOpenFileTitle);
        request.filter = kXmlFileFilter;
        request.initialPath = candidate;
        std::optional<std::string> chosen = interaction.AskForPath(request);
        if (!chosen) {
            SetMessage(kCouldNotRead, candidate);
            return false;
        }
        candidate = *chosen;
    }
}

// The builder keeps its text's room for the next element.
void CXMLDataManager::FlushDocument(bool toFile, std::string& out) {
    const std::string& text = builder_.GetDocumentText();
    if (!toFile)
        out += text;
    else if (outputFile_)
        WriteUtf8String(text, &*outputFile_);
    builder_.SetDocument();
}

bool CXMLDataManager::WriteFooter(bool flush) {
    if (!outputFile_) return true;
    if (!flush) {  // abandoned: the previous file stays as it was
        outputFile_.reset();
        return true;
    }
    std::string unused;
    FlushDocument(true, unused);
    outputFile_->Write("</KAVRO_DATA>\n");
    const bool written = outputFile_->Commit().ok;
    const std::string path = outputFile_->Path().string();
    outputFile_.reset();
    if (!written) {
        SetMessage(kCouldNotWrite, path);
        return false;
    }
    return true;
}
