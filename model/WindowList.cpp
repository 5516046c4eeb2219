#include "model/WindowList.h"

#include <algorithm>
#include <cstdint>

#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "model/windows/TabControlKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

CWindowList::CWindowList() { cursor_.position = buckets_[0].end(); }

CWindowList::FoldedName CWindowList::FoldName(const std::string& name) {
    FoldedName folded;
    std::uint32_t sum = 0;  // wraps as the signed sum of the original does, without overflow
    if (IsAscii(name)) {
        // An ASCII name, as nearly every one is, is its own UTF-16 form.
        folded.key = name;
        for (char& c : folded.key) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
            sum += static_cast<unsigned char>(c);
        }
    } else {
        for (char16_t unit : Utf8ToUtf16(name)) {
            const char16_t c = FoldCase(unit);
            sum += c;
            if (c < 0x80) {
                folded.key += static_cast<char>(c);
            } else if (c < 0x800) {
                folded.key += static_cast<char>(0xC0 | c >> 6);
                folded.key += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                folded.key += static_cast<char>(0xE0 | c >> 12);
                folded.key += static_cast<char>(0x80 | (c >> 6 & 0x3F));
                folded.key += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
    }
    const int bucket = static_cast<std::int32_t>(sum) % kBucketCount;
    folded.bucket = bucket < 0 ? bucket + kBucketCount : bucket;
    return folded;
}

int CWindowList::HashName(const std::string& name) { return FoldName(name).bucket; }

CWindowList::NameEntries& CWindowList::IndexEntryOf(const std::string& name) {
    FoldedName folded = FoldName(name);
    return *entriesByName_.try_emplace(std::move(folded.key), NamedEntries{folded.bucket, {}}).first;
}

// The name is looked up and entered with one search of the index.
bool CWindowList::Add(CWindowKav* window) {
    if (!window) return false;
    if (!window->GetFile() && application_) window->SetFile(application_->GetMainFile());
    const std::string name = window->GetName();
    NameEntries& named = IndexEntryOf(name);
    if (FirstOfName(named, name, window->GetFile())) {
        SetMessage(44536, name);
        return false;
    }
    Enter(window, named);
    return true;
}

void CWindowList::AddUnchecked(CWindowKav* window) {
    Enter(window, IndexEntryOf(window->GetName()));
}

void CWindowList::Enter(CWindowKav* window, NameEntries& named) {
    Bucket& bucket = buckets_[named.second.bucket];
    bucket.push_back(window);
    named.second.entries.push_back(std::prev(bucket.end()));
    keyOfWindow_[window] = &named;
}

void CWindowList::UnindexEntry(Entry entry) {
    const auto key = keyOfWindow_.find(*entry);
    if (key == keyOfWindow_.end()) return;
    NameEntries& named = *key->second;
    std::erase(named.second.entries, entry);
    if (named.second.entries.empty()) entriesByName_.erase(entriesByName_.find(named.first));
    keyOfWindow_.erase(key);
}

bool CWindowList::Remove(const CWindowKav* window) {
    return window && EraseFromBucket(HashName(window->GetName()), window);
}

bool CWindowList::EraseFromBucket(int index, const CWindowKav* window) {
    Bucket& bucket = buckets_[index];
    auto it = std::find(bucket.begin(), bucket.end(), window);
    if (it == bucket.end()) return false;
    if (cursor_.bucket == index && cursor_.position == it) ++cursor_.position;
    UnindexEntry(it);
    bucket.erase(it);
    return true;
}

void CWindowList::RemoveAll() {
    for (Bucket& bucket : buckets_) bucket.clear();
    entriesByName_.clear();
    keyOfWindow_.clear();
    EndWalk();
}

void CWindowList::DeleteAll() {
    for (Bucket& bucket : buckets_) {
        Bucket windows;
        windows.swap(bucket);
        for (CWindowKav* window : windows) delete window;
    }
    entriesByName_.clear();
    keyOfWindow_.clear();
    EndWalk();
}

void CWindowList::EndWalk() { cursor_ = {kBucketCount, buckets_[0].end()}; }

CWindowKav* CWindowList::FindByName(const std::string& name, const CFileKav* file) const {
    const auto named = entriesByName_.find(FoldName(name).key);
    return named == entriesByName_.end() ? nullptr : FirstOfName(*named, name, file);
}

// The index holds the bucket's entries of the name in bucket order: the first that fits is the
// one a walk through the bucket would meet first.
CWindowKav* CWindowList::FirstOfName(const NameEntries& named, const std::string& name, const CFileKav* file) const {
    for (Entry entry : named.second.entries) {
        CWindowKav* window = *entry;
        if (file && window->GetFile() != file) continue;
        if (!EqualsNoCase(window->GetName(), name)) continue;
        cursor_ = {named.second.bucket, std::next(entry)};
        return window;
    }
    return nullptr;
}

std::vector<CWindowKav*> CWindowList::FindAllByName(const std::string& name) const {
    std::vector<CWindowKav*> windows;
    const auto named = entriesByName_.find(FoldName(name).key);
    if (named == entriesByName_.end()) return windows;
    for (Entry entry : named->second.entries)
        if (EqualsNoCase((*entry)->GetName(), name)) windows.push_back(*entry);
    return windows;
}

CWindowKav* CWindowList::FindInFile(const std::string& name, const CFileKav* file) const {
    for (CWindowKav* window : buckets_[HashName(name)])
        if (window->GetFile() == file && EqualsNoCase(window->GetName(), name)) return window;
    return nullptr;
}

bool CWindowList::IsNameTakenByOther(const std::string& name, const CFileKav* file, const CWindowKav* window) const {
    const Bucket& bucket = buckets_[HashName(name)];
    return std::any_of(bucket.begin(), bucket.end(), [&](const CWindowKav* w) {
        return w != window && w->GetFile() == file && EqualsNoCase(w->GetName(), name);
    });
}

CWindowKav* CWindowList::FindByID(const std::string& internalId) {
    for (CWindowKav* window = GetFirst(); window; window = GetNext())
        if (window->GetInternalID() == internalId) return window;
    return nullptr;
}

CTransitionKav* CWindowList::FindTransitionByID(const std::string& id) {
    for (CWindowKav* window = GetFirst(); window; window = GetNext())
        for (CTransitionKav* transition : window->GetTransitions())
            if (transition->GetId() == id) return transition;
    return nullptr;
}

CTabPage* CWindowList::FindTabPage(const std::string& windowId, CTabControlKav*& tabControl) {
    const WindowListCursor saved = cursor_;
    CTabPage* page = nullptr;
    tabControl = nullptr;
    for (CWindowKav* window = GetFirst(); window && !page; window = GetNext()) {
        if (window->GetType() != kWndTabControl) continue;
        auto* tabs = static_cast<CTabControlKav*>(window);
        if ((page = tabs->FindTabPageByWindowId(windowId))) tabControl = tabs;
    }
    cursor_ = saved;
    return page;
}

int CWindowList::CountAllTransitions() {
    int count = 0;
    for (CWindowKav* window = GetFirst(); window; window = GetNext())
        if (!window->GetParent()) count += window->CountTransitions();
    return count;
}

std::string CWindowList::MakeUniqueName(const std::string& base) const {
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
        const Bucket& bucket = buckets_[cursor_.bucket];
        if (cursor_.position != bucket.end()) return *cursor_.position++;
        if (++cursor_.bucket < kBucketCount) cursor_.position = buckets_[cursor_.bucket].begin();
    }
    return nullptr;
}

void CWindowList::SetCursor(WindowListCursor cursor) {
    if (cursor.bucket >= 0 && cursor.bucket < kBucketCount) cursor_ = cursor;
}

std::vector<CWindowKav*> CWindowList::Snapshot() const {
    std::vector<CWindowKav*> windows;
    for (const Bucket& bucket : buckets_) windows.insert(windows.end(), bucket.begin(), bucket.end());
    return windows;
}

std::size_t CWindowList::GetCount() const {
    std::size_t count = 0;
    for (const Bucket& bucket : buckets_) count += bucket.size();
    return count;
}

void CWindowList::FitParents(CWindowKav* window) {
    bool changed = true;
    for (CWindowKav* child = window; changed && child && child->GetParent(); child = child->GetParent()) {
        CWindowKav* parent = child->GetParent();
        WindowRect outer = parent->GetRect();
        const WindowRect& inner = child->GetRect();
        changed = false;
        if (inner.right > outer.right - outer.left) {
            outer.right = outer.left + inner.right;
            changed = true;
        }
        if (inner.bottom > outer.bottom - outer.top) {
            outer.bottom = outer.top + inner.bottom;
            changed = true;
        }
        parent->SetRect(outer);
    }
}
