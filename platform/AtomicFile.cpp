#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace {

FileFaultInjector& Injector() {
    static FileFaultInjector injector;
    return injector;
}

bool Allowed(std::string_view step, const std::filesystem::path& target) {
    return !Injector() || Injector()(step, target);
}

std::string TempName(const std::filesystem::path& target) {
    static std::mt19937_64 rng{std::random_device{}()};
    return target.filename().string() + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(rng() % 1000000);
}

FileWriteResult Fail(const std::string& what, const std::filesystem::path& path, int err) {
    return {false, what + " " + path.string() + ": " + (err ? std::strerror(err) : "injected failure")};
}

}  // namespace

void SetFileFaultInjector(FileFaultInjector injector) { Injector() = std::move(injector); }

FileWriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    std::filesystem::path folder = target.parent_path();
    std::filesystem::path temp = (folder.empty() ? std::filesystem::path(".") : folder) / TempName(target);

    if (!Allowed("open", target)) return Fail("cannot create", temp, 0);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return Fail("cannot create", temp, errno);

    auto abandon = [&](const std::string& what, int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Fail(what, temp, err);
    };

    if (!Allowed("write", target)) return abandon("cannot write", 0);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon("cannot write", errno);
        }
        done += static_cast<size_t>(n);
    }
    if (!Allowed("sync", target)) return abandon("cannot flush", 0);
    if (::fsync(fd) != 0) return abandon("cannot flush", errno);
    if (!Allowed("close", target)) return abandon("cannot close", 0);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return Fail("cannot close", temp, err);
    }
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::chmod(temp.c_str(), old.st_mode & 07777);

    bool renameAllowed = Allowed("rename", target);
    if (!renameAllowed || ::rename(temp.c_str(), target.c_str()) != 0) {
        int err = renameAllowed ? errno : 0;
        ::unlink(temp.c_str());
        return Fail("cannot replace", target, err);
    }
    return {true, {}};
}
