#pragma once
// Every window of one modelled application, in 30 buckets keyed by the window name (without
// case), with one walk cursor. The table owns its windows, and it carries the operations that
// change a window's identity as a whole: renaming, changing the type, deleting.
#include <array>
#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>
#include <vector>

class CApplicationKav;
class CFileKav;
class CTabControlKav;
class CTabPage;
class CTransitionKav;
class CWindowKav;

// Where a walk stands: the bucket index (30 = the walk is over) and the node of that bucket
// that comes next (the bucket's end when it is used up).
struct WindowListCursor {
    int bucket = 0;
    std::list<CWindowKav*>::const_iterator position;
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

    // The lower-cased name's UTF-16 code units summed as a signed 32-bit int, modulo 30. It
    // fixes the order in which windows are walked, saved and tested.
    static int HashName(const std::string& name);

    // Enters a window (not its children). A window without a file gets the main file; a name
    // that its file already holds is refused with W0536.
    bool Add(CWindowKav* window);
    // Enters a window as it is: no file is given and no name is refused. For copies of a whole
    // model, whose windows keep the file their copying gave them.
    void AddUnchecked(CWindowKav* window);
    // Takes the window out of the bucket of its current name; nothing is deleted. A walk that
    // stands on the window goes on behind it.
    bool Remove(const CWindowKav* window);
    // Empties the buckets without deleting the windows.
    void RemoveAll();
    // Deletes every window, bucket by bucket, and empties the table.
    void DeleteAll();

    // ---- Lookups. The cursor moves as stated: a caller that looks windows up during a walk
    // saves and restores it.

    // The first window of the name's bucket whose name equals the name without case, of the
    // given file when one is given. A hit moves the cursor behind it; a miss leaves it.
    CWindowKav* FindByName(const std::string& name, const CFileKav* file) const;
    // Every window of the name (without case), of any file, in walk order; the cursor stays.
    std::vector<CWindowKav*> FindAllByName(const std::string& name) const;
    // Walks with the cursor: the first window with that internal ID (exact).
    CWindowKav* FindByID(const std::string& internalId);
    // Walks with the cursor: the first transition with that ID (exact).
    CTransitionKav* FindTransitionByID(const std::string& id);
    // The tab page (and its tab control) that shows the window of that ID, or null with the
    // tab control null; the cursor is restored.
    CTabPage* FindTabPage(const std::string& windowId, CTabControlKav*& tabControl);
    // The transitions of all windows, counted from the windows without parent (walks).
    int CountAllTransitions();
    // The base name, or the base name followed by 1, 2, ... that no window of the main file
    // has (of any file when there is no main file).
    std::string MakeUniqueName(const std::string& base) const;

    // ---- The walk: bucket 0 to 29, each in the order of entry.

    CWindowKav* GetFirst();
    CWindowKav* GetNext();
    WindowListCursor GetCursor() const { return cursor_; }
    // Ignored for a bucket index of 30 or more.
    void SetCursor(WindowListCursor cursor);
    // The windows in walk order, for passes that look names up or change the table on the way.
    std::vector<CWindowKav*> Snapshot() const;

    std::size_t GetCount() const;

    // ---- Changes of a window as a whole; they need the application.

    // Grows the ancestors' rectangles, nearest first, while the child sticks out of them.
    static void FitParents(CWindowKav* window);
    // A new name under which every reference follows; only the letter case changes without
    // rewriting. Refuses a name used in the window's file (W0537), a window that is not in the
    // table (W0538), a leading digit (W0789) and the names SetName refuses.
    bool RenameWindow(CWindowKav* window, const std::string& newName);
    // Replaces the window by a new object of the type, which keeps its name, internal ID, file,
    // place in the tree, rectangle, children, transitions, attributes, tool data and every
    // reference; the type-specific style bits and data start anew. Null with W0539, W0540 or
    // W0541 (menus and menu items neither become nor turn into another type), or W0536 when
    // the name is taken in the file; nothing changes then.
    CWindowKav* ChangeType(CWindowKav* window, int newType);
    // Deletes the window of that name in exactly that file, with its descendants and the
    // transitions of other windows that lead to any of them (and their test cases); a start
    // window among them is cleared. FALSE with W0542 when a window is not found; what was
    // deleted before stays deleted.
    bool DeleteWindow(const std::string& name, const CFileKav* file);
    // Everything that refers to the old window refers to the new one: transitions into it, the
    // start window, task steps, test cases and scripts; its transitions and attributes move.
    bool RedirectWindow(CWindowKav* oldWindow, CWindowKav* newWindow);
    // RedirectWindow, then designators that name the old window name the new one.
    bool ReplaceWindow(CWindowKav* oldWindow, CWindowKav* newWindow);

private:
    using Bucket = std::list<CWindowKav*>;
    using Entry = Bucket::const_iterator;

    // The name with each UTF-16 unit case-folded, as the key of the name index and the bucket of
    // the sum of those units. The key writes each unit as UTF-8 writes a code point (surrogates
    // one by one), so keys are equal exactly when the folded units are; an ASCII name's key is
    // its lower-cased bytes, held without allocation up to 15 of them.
    struct FoldedName {
        std::string key;
        int bucket = 0;
    };
    static FoldedName FoldName(const std::string& name);
    void EndWalk();
    // The bucket of each folded name and its entries there in bucket order.
    struct NamedEntries {
        int bucket = 0;
        std::vector<Entry> entries;
    };
    using NameIndex = std::unordered_map<std::string, NamedEntries>;
    using NameEntries = NameIndex::value_type;
    NameEntries& IndexEntryOf(const std::string& name);
    // The name index follows every entry into and out of the buckets.
    void Enter(CWindowKav* window, NameEntries& named);
    void UnindexEntry(Entry entry);
    // FindByName among the entries of the name's index.
    CWindowKav* FirstOfName(const NameEntries& named, const std::string& name, const CFileKav* file) const;
    // Takes the window out of that bucket, keeping a walk that stands on it going.
    bool EraseFromBucket(int index, const CWindowKav* window);
    // The window of that name in exactly that file (null matches windows without file).
    CWindowKav* FindInFile(const std::string& name, const CFileKav* file) const;
    // Another window than the given one has the name in the file.
    bool IsNameTakenByOther(const std::string& name, const CFileKav* file, const CWindowKav* window) const;
    // Deletes the transitions of every window that lead to the window, with their references.
    void DeleteTransitionsInto(const CWindowKav* window);

    CApplicationKav* application_ = nullptr;
    std::array<Bucket, kBucketCount> buckets_;
    // A side index of the buckets for lookups by name, and the index entry each window was
    // entered under (its name may change before it leaves); the entries do not move.
    NameIndex entriesByName_;
    std::unordered_map<const CWindowKav*, NameEntries*> keyOfWindow_;
    // Moved by lookups, which are otherwise const.
    mutable WindowListCursor cursor_;
};
