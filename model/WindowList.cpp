#include "model/WindowList.h"

#include <algorithm>
#include <cstdint>

#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

CWindowList::CWindowList() { cursor_.position = buckets_[0].end(); }

int CWindowList::HashName(const std::string& name) {
    std::uint32_t sum = 0;  // wraps as the signed sum of the original does, without overflow
    for (char16_t c : Utf8ToUtf16(name)) sum += FoldCase(c);
    int signedSum = static_cast<std::int32_t>(sum);
    int bucket = signedSum % kBucketCount;
    return bucket < 0 ? bucket + kBucketCount : bucket;
}

bool CWindowList::Add(CWindowKav* window) {
    if (!window) return false;
    if (!window->GetFile() && application_) window->SetFile(application_->GetMainFile());
    if (FindByName(window->GetName(), window->GetFile())) {
        SetMessage(44536, window->GetName());
        return false;
    }
    buckets_[HashName(window->GetName())].push_back(window);
    return true;
}

bool CWindowList::Remove(const CWindowKav* window) {
    if (!window) return false;
    const int index = HashName(window->GetName());
    auto& bucket = buckets_[index];
    auto it = std::find(bucket.begin(), bucket.end(), window);
    if (it == bucket.end()) return false;
    if (cursor_.bucket == index && cursor_.position == it) ++cursor_.position;
    bucket.erase(it);
    return true;
}

void CWindowList::RemoveAll() {
    for (auto& bucket : buckets_) bucket.clear();
    EndWalk();
}

void CWindowList::DeleteAll() {
    for (auto& bucket : buckets_) {
        std::list<CWindowKav*> windows;
        windows.swap(bucket);
        for (CWindowKav* window : windows) delete window;
    }
    EndWalk();
}

void CWindowList::EndWalk() { cursor_ = {kBucketCount, buckets_[0].end()}; }

CWindowKav* CWindowList::FindByName(const std::string& name, const CFileKav* file) {
    const int index = HashName(name);
    auto& bucket = buckets_[index];
    for (auto it = bucket.begin(); it != bucket.end(); ++it) {
        CWindowKav* window = *it;
        if (file && window->GetFile() != file) continue;
        if (!EqualsNoCase(window->GetName(), name)) continue;
        cursor_ = {index, std::next(it)};
        return window;
    }
    return nullptr;
}

std::string CWindowList::MakeUniqueName(const std::string& base) {
    const CFileKav* mainFile = application_ ? application_->GetMainFile() : nullptr;
    std::string candidate = base;
    for (int n = 1; FindByName(candidate, mainFile); ++n) candidate = base + std::to_string(n);
    return candidate;
}

CWindowKav* CWindowList::GetFirst() {
    cursor_ = {0, buckets_[0].begin()};
    return GetNext();
}

CWindowKav* CWindowList::GetNext() {
    while (cursor_.bucket < kBucketCount) {
        auto& bucket = buckets_[cursor_.bucket];
        if (cursor_.position != bucket.end()) return *cursor_.position++;
        if (++cursor_.bucket < kBucketCount) cursor_.position = buckets_[cursor_.bucket].begin();
    }
    return nullptr;
}

void CWindowList::SetCursor(WindowListCursor cursor) {
    if (cursor.bucket >= 0 && cursor.bucket < kBucketCount) cursor_ = cursor;
}

std::size_t CWindowList::GetCount() const {
    std::size_t count = 0;
    for (const auto& bucket : buckets_) count += bucket.size();
    return count;
}
