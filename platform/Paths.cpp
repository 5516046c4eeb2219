#include "platform/Paths.h"

std::string MakeSafeFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return "_";
    std::string out(name);
    for (char& c : out) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) c = '_';
    }
    return out;
}

std::filesystem::path ResolveStoredPath(std::string_view storedPath, const std::filesystem::path& namingFile) {
    std::string path(storedPath);
    for (char& c : path)
        if (c == '\\') c = '/';
    // A Windows drive path ("C:/...") is kept as written: it names no file here.
    bool drive = path.size() >= 2 && path[1] == ':' &&
                 ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    std::filesystem::path p(path);
    if (p.is_absolute() || drive || path.empty()) return p;
    return (namingFile.parent_path() / p).lexically_normal();
}
