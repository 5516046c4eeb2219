#pragma once
// Merging the checked objects of another project into the open one, kind by kind: each object
// is new or replaces its duplicate, clashing names get a number, the objects move over, their
// identifier references are linked in the open project and name references rewritten. The
// import dialog runs it after OK; its options decide duplicates and updates.
#include <string>
#include <utility>
#include <vector>

#include "import/MergedTaskLinks.h"
#include "import/ProjectDataImportDlg.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CAttributeKav;
class CDataSet;
class CFileKav;
class CKavroObj;
class CRequirement;
class CTaskKav;
class CWindowKav;
class MessageLog;

// A rename entry: old reference text, "¶", new reference text.
inline constexpr char kRenameSeparator[] = "\xC2\xB6";
std::string RenameEntry(const std::string& oldText, const std::string& newText);
// Applies the entries in order to the project's objects of the scope and empties the list; an
// entry without the separator ends it (false) after those before it.
bool ApplyRenameEntries(CApplicationKav& project, std::vector<std::string>& entries, int scope);
// The base followed by the first number from 1 on that nobody takes.
template <class Taken>
std::string FirstFreeName(const std::string& base, Taken taken) {
    for (int n = 1;; ++n)
        if (std::string candidate = base + std::to_string(n); !taken(candidate)) return candidate;
}

class ProjectMerge {
public:
    using Options = CProjectDataImportDlg::Options;
    ProjectMerge(CApplicationKav& other, const Options& options, MessageLog* log);
    ~ProjectMerge();
    ProjectMerge(const ProjectMerge&) = delete;
    ProjectMerge& operator=(const ProjectMerge&) = delete;

    // 1 when everything was merged; 0 at the first failure, its text logged.
    int Run();

    // Entries applied to the imported objects after the merge; the synchronisation adds to it.
    std::vector<std::string>& ImportedRenames() { return importedRenames_; }

private:
    // A replaced object of the open project waits, detached, until the references to it have
    // moved to the object that replaces it.
    using Replacement = std::pair<CKavroObj*, CKavroObj*>;  // (imported, replaced)

    void Prepare();
    void Log(const std::string& line);
    void LogCounts(const char* newText, const char* updatedText, int newCount, int updatedCount);
    CApplicationKav& Open() const;

    // ---- Kinds
    void MergeAttributes(bool stepFields);
    void MergeMetaConditions();
    void MergeRequirements();
    void MergeTasks();
    void MergeWindows();
    void MergeDataSets();
    // Takes over the file and, for an update, the duplicate's slot; logs and counts.
    void PlaceInMainFile(CKavroObj& object);
    void RebindCounterpart(CKavroObj& imported, CKavroObj& replaced);
    // A requirement or task moves over: appended when new, else in its duplicate's place, the
    // duplicate's children handed over and the duplicate kept for the relations pass.
    template <class T>
    void TakeOverTreeObject(OwningList<T>& from, OwningList<T>& to, T* imported, T* existing,
                            std::vector<Replacement>& replaced, const char* kind, const std::string& name);

    // ---- Relations
    int BuildRelations();
    void LinkStartWindow();
    int LinkWindows();
    int LinkTasks();
    void LinkRequirements();
    void LinkDataSets();
    // Moves the references to each replaced object to its replacement and deletes it; on a
    // failure this runs for what is left, so that nothing is deleted twice or left behind.
    void FinishWindowReplacements();
    void FinishTaskReplacements();
    void FinishRequirementReplacements();
    void FinishDataSetReplacements();
    void FinishAllReplacements();
    void AbsorbDataSet(CDataSet& imported, CDataSet& existing);
    int ApplyRenames();

    CApplicationKav& other_;
    const Options options_;
    MessageLog* log_;
    CFileKav* mainFile_ = nullptr;
    CFileKav* otherMainFile_ = nullptr;
    int newCount_ = 0;
    int updatedCount_ = 0;

    std::vector<CRequirement*> mergedRequirements_;
    std::vector<CTaskKav*> mergedTasks_;
    std::vector<CWindowKav*> mergedWindows_;
    std::vector<CDataSet*> mergedDataSets_;
    std::vector<Replacement> replacedRequirements_, replacedTasks_, replacedWindows_, replacedDataSets_;
    // Data sets merged into the duplicate's records ("Only import new records").
    std::vector<Replacement> absorbedDataSets_;

    // The open project's windows by internal ID while the relations are built.
    WindowsById windowsById_;

    std::vector<std::string> openProjectRenames_;
    std::vector<std::string> importedRenames_;
};
