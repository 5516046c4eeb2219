#pragma once
// A node of the tree that the project data import shows. The model reads only whether the
// user selected the object; the import dialog derives its tree items from this class.
class CImportTreeItem {
public:
    virtual ~CImportTreeItem() = default;
    bool IsSelected() const { return selected_ != 0; }
    void SetSelected(int selected) { selected_ = selected; }

private:
    int selected_ = 0;
};
