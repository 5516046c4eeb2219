#include "editors/project/ObjectSearchDlg.h"

#include <utility>

#include "model/FileKav.h"
#include "model/KavroObj.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kLibraryPrefix = 49391;

std::string Quoted(const std::string& name) {
    return "'" + name + "'";
}

}  // namespace

CObjectSearchDlg::CObjectSearchDlg(EditorHost& host, CApplicationKav& project, int resourceId, int startRadio,
                                   int wholeRadio, std::string startLabel)
    : EditorDialog(host, resourceId),
      project_(project),
      startRadio_(startRadio),
      wholeRadio_(wholeRadio),
      startLabel_(std::move(startLabel)) {
    AddControl(startRadio, startLabel_);
    AddControl(wholeRadio, "Whole Project");
}

void CObjectSearchDlg::OpenScope(const CKavroObj* start, const std::string& startName, CFileKav* library,
                                 int objectPrefix) {
    start_ = start;
    library_ = library;
    SetText(startRadio_, startLabel_);
    if (library) SetText(startRadio_, LoadMessage(kLibraryPrefix) + Quoted(library->GetName()));
    else if (start) SetText(startRadio_, LoadMessage(objectPrefix) + Quoted(startName));
    const bool scoped = library || start;
    CheckRadio({startRadio_, wholeRadio_}, scoped ? 0 : 1);
    Enable(startRadio_, scoped);
}

bool CObjectSearchDlg::SearchesBelowStart() const {
    return IsChecked(startRadio_) && !library_ && start_;
}

bool CObjectSearchDlg::IsInScope(const CKavroObj& object) const {
    return !IsChecked(startRadio_) || !library_ || object.GetFile() == library_;
}
