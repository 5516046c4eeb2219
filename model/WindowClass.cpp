#include "model/WindowClass.h"

#include <vector>

#include "platform/TextUtil.h"
#include "platform/UniqueId.h"

CWindowClass::CWindowClass(std::string name, int baseType, int preDef, int isDefault)
    : id_(MakeUniqueId()), name_(std::move(name)), baseType_(baseType), preDef_(preDef), default_(isDefault) {}

bool MatchClassNamePattern(std::string_view name, std::string_view pattern) {
    const std::string text = ToLowerText(name);
    const std::string wanted = ToLowerText(pattern);
    std::vector<std::string_view> pieces;
    for (size_t start = 0;;) {
        const size_t star = wanted.find('*', start);
        pieces.push_back(std::string_view(wanted).substr(start, star - start));
        if (star == std::string::npos) break;
        start = star + 1;
    }
    if (pieces.size() == 1) return text == wanted;

    // Taking every inner piece at its first occurrence leaves the most room for the rest.
    if (!text.starts_with(pieces.front())) return false;
    size_t position = pieces.front().size();
    for (size_t i = 1; i + 1 < pieces.size(); ++i) {
        const size_t found = text.find(pieces[i], position);
        if (found == std::string::npos) return false;
        position = found + pieces[i].size();
    }
    const std::string_view last = pieces.back();
    return text.size() >= position + last.size() && text.ends_with(last);
}
