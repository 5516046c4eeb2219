#pragma once
// The project administration dialog: a project's name, default GUI builder, default output
// format, description and the libraries it includes. It works on copies of the project's file
// entries; a changed library set is taken over only when it loads into a scratch project, and
// the project's files are replaced only after OK. In VORNAK mode libraries are VORNAK's, chosen
// by name, and are not loaded here.
#include <string>

#include "editors/framework/EditorDialog.h"
#include "model/FileKav.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class VornakLibraryMap;

// Dialog ids of the controls.
enum ProjectAdministrationDlgControl : int {
    kProjectName = 1059,
    kProjectGuiBuilder = 1286,
    kProjectOutputFormat = 1288,
    kProjectDescription = 1383,
    kProjectLibraryPath = 1384,
    kProjectBrowse = 1385,
    kProjectDeleteLibrary = 1386,
    kProjectSetLibrary = 1387,
    kProjectNewLibrary = 1388,
    kProjectLibraries = 1510,
};

class CProjectAdministrationDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 167;
    static constexpr size_t kMaxNameLength = 30;

    // The VORNAK libraries are read in VORNAK mode only; none counts as an empty map.
    CProjectAdministrationDlg(EditorHost& host, const VornakLibraryMap* vornakLibraries = nullptr);

    // Runs the dialog on the project: 1 after OK, with the project's file list replaced by the
    // edited one (the objects of the old main file moved to the new entry, those of libraries
    // left without a file until the caller loads the project again) and the first library as
    // master file; 0 after Cancel with the project unchanged. While loading, OK records no undo
    // step.
    int EditProject(CApplicationKav& project, bool duringLoading);

    void OnInitDialog() override;
    // Checks the choices and the name, applies a pending library entry (which must load), then
    // writes the settings into the project.
    bool OnOK() override;
    // Starts a new library entry.
    void OnNew() { SetEditMode(EditMode::NewEntry); }
    void OnSet() { ApplyLibraryEntry(false); }
    // Drops the chosen direct library after asking; the rest must still load.
    void OnDelete();
    // Chooses a library file (in VORNAK mode one of VORNAK's libraries) into Library Path.
    void OnBrowse();
    // A row's library was chosen (null: a click beside the rows).
    void OnLibraryChosen(CFileKav* file);

    // Applies Library Path to the working list: a new library, or the chosen one changed. 1
    // applied; 0 refused, with nothing changed; -1 the working list is broken. At OK an empty
    // new entry only checks the list as it is.
    int ApplyLibraryEntry(bool atOk);
    // Whether the list of files, main file first, loads as a library set: then it is refilled
    // with every file the set includes, direct and indirect, in loading order; 1. Else it stays
    // as it was; 0.
    static int LoadLibraryFiles(OwningList<CFileKav>& list);
    // The full path of an entered library path: drive and absolute paths as written, others
    // against the folder of the project's main file, with "/" or "\"; unchanged in VORNAK mode.
    std::string ResolveLibraryPath(const std::string& path) const;

    // The copies the dialog works on: the main file's first, then the libraries.
    const OwningList<CFileKav>& WorkingList() const { return working_; }
    bool IsNewEntry() const { return newEntry_; }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    enum class EditMode { NewEntry, DirectLibrary, IndirectLibrary };

    void FillLibraryList();
    void SetEditMode(EditMode mode);
    // Whether the main file's copy includes the file of that identifier directly.
    bool IsDirectLibrary(const std::string& id) const;
    // The main file's copy and the direct libraries' copies (these without their own
    // includes, which loading finds again); empty when the working list has no main file.
    OwningList<CFileKav> CopyDirectLibraries(const CFileKav* leftOut) const;
    // The direct library other than the chosen one whose full path is that of the entered path.
    const CFileKav* FindDuplicate(const std::string& path, const CFileKav* chosen) const;
    // Checks the list by loading it (not in VORNAK mode), then makes it the working list.
    bool TakeOver(OwningList<CFileKav>& candidate);
    // Offers VORNAK's libraries that the project does not include directly yet.
    void BrowseVornakLibraries();
    bool CheckProjectName(const std::string& name);
    bool RefuseIncludedTwice(const CFileKav& library);

    const VornakLibraryMap* vornakLibraries_;
    CApplicationKav* project_ = nullptr;
    bool duringLoading_ = false;
    OwningList<CFileKav> working_;
    bool newEntry_ = false;
};
