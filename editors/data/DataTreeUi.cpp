#include "editors/data/DataTreeUi.h"

#include "views/trees/TreeImages.h"

DataTreeUi::DataTreeUi(wxWindow* parent, CDataDlg& page)
    : ItemTreeUi(parent, CDataDlg::kTreeId, page.Tree(), page,
                 // Project, data set, field, group, (unused), records, (unused), library.
                 ArtImages({wxART_FOLDER_OPEN, wxART_REPORT_VIEW, wxART_NORMAL_FILE, wxART_LIST_VIEW,
                            wxART_MISSING_IMAGE, wxART_EXECUTABLE_FILE, wxART_MISSING_IMAGE, wxART_FOLDER},
                            wxSize(16, 16)),
                 true) {}
