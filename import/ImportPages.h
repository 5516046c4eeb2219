#pragma once
// The four pages of the project data import: tasks, requirements, windows and test data.
#include <string>
#include <unordered_map>

#include "import/ImportSelectPage.h"

class CRequirement;
class CWindowKav;

// Open-project objects by the key the duplicates are found by, the first in list order winning.
using ImportKeyIndex = std::unordered_map<std::string, CKavroObj*>;

class CImportTaskSelectDlg : public CImportSelectPage {
public:
    using CImportSelectPage::CImportSelectPage;

protected:
    std::vector<CKavroObj*> OtherObjects() const override;
    std::string IdOf(const CKavroObj& object) const override;
    std::string ParentIdOf(const CKavroObj& object) const override;
    CKavroObj* FindDuplicate(const CKavroObj& imported) const override;
    std::string NameOf(const CKavroObj& object) const override;
    bool IsSamePlace(const CKavroObj& duplicate, const CKavroObj& imported) const override;
    std::unique_ptr<CImportTreeItem> BuildOpenItems() override;
    bool AddTopLevelItems() override;
    int ImageOf(const CImportTreeItem& item) const override;
    void MarkUsedBy(CTaskKav& task) override;
    void DeleteOtherObject(CKavroObj* object) override;

private:
    void AddOpenTask(CTaskKav& task, CImportTreeItem& parent);
    void SelectCalledTasks(const CTaskKav& task);
    ImportKeyIndex openById_;
    ImportKeyIndex otherById_;
};

class CImportReqSelectDlg : public CImportSelectPage {
public:
    using CImportSelectPage::CImportSelectPage;
    // The requirements page is built here rather than when it opens: 1 finds duplicates by XML
    // ID, 0 by user ID. Every check on the page is lost.
    void RebuildTree(int byXmlId);
    void OnInitDialog() override {}

protected:
    std::vector<CKavroObj*> OtherObjects() const override;
    std::string IdOf(const CKavroObj& object) const override;
    std::string ParentIdOf(const CKavroObj& object) const override;
    CKavroObj* FindDuplicate(const CKavroObj& imported) const override;
    std::string NameOf(const CKavroObj& object) const override;
    bool IsSamePlace(const CKavroObj& duplicate, const CKavroObj& imported) const override;
    std::unique_ptr<CImportTreeItem> BuildOpenItems() override;
    int ImageOf(const CImportTreeItem& item) const override;
    void MarkUsedBy(CTaskKav& task) override;
    void DeleteOtherObject(CKavroObj* object) override;

private:
    void AddOpenRequirement(CRequirement& requirement, CImportTreeItem& parent);
    int byXmlId_ = 1;
    ImportKeyIndex openByKey_;
    ImportKeyIndex otherById_;
};

class CImportWndSelectDlg : public CImportSelectPage {
public:
    using CImportSelectPage::CImportSelectPage;

protected:
    std::vector<CKavroObj*> OtherObjects() const override;
    std::string IdOf(const CKavroObj& object) const override;
    std::string ParentIdOf(const CKavroObj& object) const override;
    CKavroObj* FindDuplicate(const CKavroObj& imported) const override;
    std::string NameOf(const CKavroObj& object) const override;
    bool IsSamePlace(const CKavroObj& duplicate, const CKavroObj& imported) const override;
    std::unique_ptr<CImportTreeItem> BuildOpenItems() override;
    int ImageOf(const CImportTreeItem& item) const override;
    void MarkUsedBy(CTaskKav& task) override;
    void DeleteOtherObject(CKavroObj* object) override;

private:
    void AddOpenWindow(CWindowKav& window, CImportTreeItem& parent);
    ImportKeyIndex openById_;
    ImportKeyIndex otherById_;
};

class CImportDataSelectDlg : public CImportSelectPage {
public:
    using CImportSelectPage::CImportSelectPage;
    void SelectAll(int value, int newItems, int changedItems) { Autoselect(value, newItems, changedItems, 0); }

protected:
    std::vector<CKavroObj*> OtherObjects() const override;
    std::string IdOf(const CKavroObj& object) const override;
    std::string ParentIdOf(const CKavroObj&) const override { return {}; }
    CKavroObj* FindDuplicate(const CKavroObj& imported) const override;
    std::string NameOf(const CKavroObj& object) const override;
    bool IsSamePlace(const CKavroObj&, const CKavroObj&) const override { return true; }
    bool IsHierarchical() const override { return false; }
    std::unique_ptr<CImportTreeItem> BuildOpenItems() override;
    int ImageOf(const CImportTreeItem& item) const override { return item.object ? 1 : 0; }
    void DeleteOtherObject(CKavroObj* object) override;
    bool UsesAutomaticSelection() const override { return false; }

private:
    ImportKeyIndex openById_;
};
