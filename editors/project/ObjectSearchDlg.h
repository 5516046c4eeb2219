#pragma once
// What the task search and the window search share: the scope. The first radio button names
// the library or the object the search starts from and is chosen; without either only the whole
// project can be searched.
#include <string>

#include "editors/framework/EditorDialog.h"

class CApplicationKav;
class CFileKav;
class CKavroObj;

class CObjectSearchDlg : public EditorDialog {
protected:
    // The ids of the scope's two radio buttons, and the first one's label without a start.
    CObjectSearchDlg(EditorHost& host, CApplicationKav& project, int resourceId, int startRadio, int wholeRadio,
                     std::string startLabel);

    // Keeps the start and the library for the search, and labels and chooses the radio buttons;
    // objectPrefix: the string id that goes before the start object's name.
    void OpenScope(const CKavroObj* start, const std::string& startName, CFileKav* library, int objectPrefix);
    // The search visits the start object and what lies below it.
    bool SearchesBelowStart() const;
    // An object of the project's own list is searched: always for the whole project, else only
    // one of the library.
    bool IsInScope(const CKavroObj& object) const;

    CApplicationKav& project_;

private:
    int startRadio_;
    int wholeRadio_;
    std::string startLabel_;
    const CKavroObj* start_ = nullptr;
    CFileKav* library_ = nullptr;
};
