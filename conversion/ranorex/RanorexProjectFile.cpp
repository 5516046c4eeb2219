#include "conversion/ranorex/RanorexProjectFile.h"

#include "conversion/framework/ScriptFile.h"

void RanorexProjectFile::Start(const std::filesystem::path& path, const std::vector<std::string>& templateLines) {
    path_ = path;
    head_.clear();
    entries_.clear();
    tail_.clear();
    int itemGroups = 0;
    for (const std::string& line : templateLines) {
        (itemGroups < 2 ? head_ : tail_) += line + "\n";
        if (line.starts_with("<ItemGroup>")) ++itemGroups;
    }
    takesEntries_ = itemGroups >= 2;
}

void RanorexProjectFile::Insert(const std::string& entry) {
    if (takesEntries_) entries_.push_back(entry);
}

bool RanorexProjectFile::Commit() const {
    ScriptFile file(path_, ScriptEncoding::Utf8, LineEnd::CrLf);
    file.WriteText(head_);
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) file.WriteText(*entry);
    file.WriteText(tail_);
    return file.Commit();
}
