#pragma once
// Every window of one modelled application, in 30 buckets keyed by the window name (without
// case), with one walk cursor. The table owns its windows.
#include <array>
#include <cstddef>
#include <list>
#include <string>

class CApplicationKav;
class CFileKav;
class CWindowKav;

// Where a walk stands: the bucket index (30 = the walk is over) and the node of that bucket
// that comes next (the bucket's end when it is used up).
struct WindowListCursor {
    int bucket = 0;
    std::list<CWindowKav*>::iterator position;
};

class CWindowList {
public:
    static constexpr int kBucketCount = 30;

    CWindowList();
    CWindowList(const CWindowList&) = delete;
    CWindowList& operator=(const CWindowList&) = delete;
    virtual ~CWindowList() { DeleteAll(); }

    void SetApplication(CApplicationKav* application) { application_ = application; }
    CApplicationKav* GetApplication() const { return application_; }

    // The lower-cased name's UTF-16 code units summed as a signed 32-bit int, modulo 30.
    static int HashName(const std::string& name);

    // Enters a window (not its children). A window without a file gets the main file; a name
    // that its file already holds is refused with W0536.
    bool Add(CWindowKav* window);
    // Takes the window out of the bucket of its current name; nothing is deleted. A walk that
    // stands on the window goes on behind it.
    bool Remove(const CWindowKav* window);
    // Empties the buckets without deleting the windows.
    void RemoveAll();
    // Deletes every window, bucket by bucket, and empties the table.
    void DeleteAll();

    // The first window of the name's bucket whose name equals the name without case, of the
    // given file when one is given. A hit moves the cursor behind it; a miss leaves it.
    CWindowKav* FindByName(const std::string& name, const CFileKav* file);
    // The base name, or the base name followed by 1, 2, ... that no window of the main file
    // has (of any file when there is no main file).
    std::string MakeUniqueName(const std::string& base);

    // The walk: bucket 0 to 29, each in the order of entry. Lookups by name move the cursor;
    // a caller that looks windows up during a walk saves and restores it.
    CWindowKav* GetFirst();
    CWindowKav* GetNext();
    WindowListCursor GetCursor() const { return cursor_; }
    // Ignored for a bucket index of 30 or more.
    void SetCursor(WindowListCursor cursor);

    std::size_t GetCount() const;

private:
    CApplicationKav* application_ = nullptr;
    void EndWalk();

    std::array<std::list<CWindowKav*>, kBucketCount> buckets_;
    WindowListCursor cursor_;
};
