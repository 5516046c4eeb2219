#include "docs/PageNames.h"

#include "platform/Paths.h"
#include "platform/TextUtil.h"

const std::string& PageNames::Add(const void* object, std::string_view name) {
    const std::string base = prefix_ + MakeSafeFileName(name);
    std::string chosen = base;
    for (int number = 2; taken_.contains(ToLowerText(chosen)); ++number) chosen = base + "_" + std::to_string(number);
    taken_.insert(ToLowerText(chosen));
    return names_[object] = chosen;
}

std::string PageNames::Find(const void* object, std::string_view name) const {
    const auto found = names_.find(object);
    return found != names_.end() ? found->second : prefix_ + MakeSafeFileName(name);
}
