#include "conversion/uft/UftClassTable.h"

#include <initializer_list>

namespace {

struct ClassRow {
    const char* name;
    int windowType;
    int topLevel = 0;
};

struct EnvironmentRows {
    const char* environment;
    int guiId;
    std::initializer_list<ClassRow> classes;
};

// A top-level class.
constexpr int T = 1;

std::vector<CQTPWndType> BuildClassTable() {
    const EnvironmentRows environments[] = {
        {"Standard Windows", 999,
         {{"Dialog", 2, T}, {"Static", 5}, {"WinButton", 8}, {"WinCalendar", 3}, {"WinCheckBox", 9},
          {"WinComboBox", 11}, {"WinEdit", 6}, {"WinEditor", 6}, {"WinList", 12}, {"WinListView", 15},
          {"WinMenu", 4}, {"WinObject", 3}, {"WinRadioButton", 10}, {"WinRadioGroup", 7}, {"WinScrollBar", 3},
          {"WinSpin", 3}, {"WinStatusBar", 3}, {"WinTab", 13}, {"WinTable", 19}, {"WinToolbar", 14},
          {"WinTreeView", 18}, {"Window", 3, T}}},
        {"ActiveX", 999,
         {{"ActiveX", 3}, {"AcxButton", 8}, {"AcxCalendar", 3}, {"AcxCheckBox", 9}, {"AcxComboBox", 11},
          {"AcxEdit", 6}, {"AcxRadioButton", 10}, {"AcxTable", 19}}},
        {"Plovix", 995,
         {{"BootstrapDropdown", 11}, {"NewsFeedList", 11}, {"PostPreviewActionBar", 11}, {"ReactionFeedList", 11}}},
        {"Delphi", 997,
         {{"DelphiButton", 8}, {"DelphiCheckBox", 9}, {"DelphiComboBox", 11}, {"DelphiEdit", 6},
          {"DelphiEditor", 6}, {"DelphiList", 12}, {"DelphiListView", 15}, {"DelphiNavigator", 3},
          {"DelphiObject", 3}, {"DelphiRadioButton", 10}, {"DelphiScrollBar", 3}, {"DelphiSpin", 3},
          {"DelphiStatic", 5}, {"DelphiStatusBar", 3}, {"DelphiTabStrip", 13}, {"DelphiTable", 19},
          {"DelphiTreeView", 18}, {"DelphiWindow", 3, T}}},
        {"Java", 996,
         {{"JavaApplet", 3, T}, {"JavaButton", 8}, {"JavaCalendar", 3}, {"JavaCheckBox", 9}, {"JavaDialog", 2, T},
          {"JavaEdit", 6}, {"JavaExpandBar", 3}, {"JavaInternalFrame", 3}, {"JavaLink", 20}, {"JavaList", 12},
          {"JavaMenu", 4}, {"JavaObject", 3}, {"JavaRadioButton", 10}, {"JavaSlider", 3}, {"JavaSpin", 3},
          {"JavaStaticText", 5}, {"JavaTab", 13}, {"JavaTable", 19}, {"JavaToolbar", 14}, {"JavaTree", 18},
          {"JavaWindow", 3, T}}},
        {".NET Web Forms", 990,
         {{"WbfCalendar", 3}, {"WbfGrid", 19}, {"WbfTabStrip", 13}, {"WbfToolbar", 14}, {"WbfTreeView", 18},
          {"WbfUltraGrid", 19}}},
        {".NET Windows Forms", 990,
         {{"SwfButton", 8}, {"SwfCalendar", 3}, {"SwfCheckBox", 9}, {"SwfComboBox", 11}, {"SwfEdit", 6},
          {"SwfEditor", 6}, {"SwfLabel", 5}, {"SwfList", 12}, {"SwfListView", 15}, {"SwfObject", 3},
          {"SwfPropertyGrid", 3}, {"SwfRadioButton", 10}, {"SwfScrollBar", 3}, {"SwfSpin", 3},
          {"SwfStatusBar", 3}, {"SwfTab", 13}, {"SwfTable", 19}, {"SwfToolBar", 14}, {"SwfTreeView", 18},
          {"SwfWindow", 3, T}}},
        {"Oracle", 994,
         {{"OracleApplications", 0, T}, {"OracleButton", 8}, {"OracleCalendar", 3}, {"OracleCheckbox", 9},
          {"OracleFlexWindow", 3, T}, {"OracleFormWindow", 2, T}, {"OracleList", 12}, {"OracleListOfValues", 11},
          {"OracleLogon", 3}, {"OracleNavigator", 3}, {"OracleNotification", 2, T}, {"OracleRadioGroup", 7},
          {"OracleStatusLine", 3}, {"OracleTabbedRegion", 13}, {"OracleTable", 19}, {"OracleTextField", 6},
          {"OracleTree", 18}}},
        {"PeopleSoft", 999, {{"PSFrame", 3, T}}},
        {"Power Builder", 999,
         {{"PbButton", 8}, {"PbCheckBox", 9}, {"PbComboBox", 11}, {"PbDataWindow", 3, T}, {"PbEdit", 6},
          {"PbList", 12}, {"PbListView", 15}, {"PbObject", 3}, {"PbRadioButton", 10}, {"PbScrollBar", 3},
          {"PbTabStrip", 13}, {"PbToolbar", 14}, {"PbTreeView", 18}, {"PbWindow", 3, T}}},
        {"SAP Web", 992,
         {{"SAPButton", 8}, {"SAPCalendar", 3}, {"SAPCheckBox", 9}, {"SAPDropDownMenu", 11}, {"SAPEdit", 6},
          {"SAPFrame", 1, T}, {"SAPList", 12}, {"SAPMenu", 4}, {"SAPNavigationBar", 14}, {"SAPOKCode", 3},
          {"SAPPortal", 3}, {"SAPRadioGroup", 7}, {"SAPStatusBar", 3}, {"SAPTabStrip", 13}, {"SAPTable", 19},
          {"SAPTreeView", 18}, {"SAPiView", 3, T}}},
        {"SAP Windows", 991,
         {{"SAPGuiAPOGrid", 19}, {"SAPGuiButton", 8}, {"SAPGuiCalendar", 3}, {"SAPGuiCheckBox", 9},
          {"SAPGuiComboBox", 11}, {"SAPGuiEdit", 6}, {"SAPGuiElement", 3}, {"SAPGuiGrid", 19}, {"SAPGuiLabel", 5},
          {"SAPGuiMenubar", 4}, {"SAPGuiOKCode", 11}, {"SAPGuiRadioButton", 10}, {"SAPGuiSession", 0, T},
          {"SAPGuiStatusBar", 3}, {"SAPGuiTabStrip", 13}, {"SAPGuiTable", 19}, {"SAPGuiTextArea", 5},
          {"SAPGuiToolbar", 14}, {"SAPGuiTree", 18}, {"SAPGuiWindow", 1, T}}},
        {"Siebel", 999,
         {{"SiebApplet", 3}, {"SiebApplication", 0, T}, {"SiebButton", 8}, {"SiebCalculator", 3},
          {"SiebCalendar", 3}, {"SiebCheckbox", 9}, {"SiebCommunicationsToolbar", 14}, {"SiebCurrency", 3},
          {"SiebInkData", 3}, {"SiebList", 12}, {"SiebMenu", 4}, {"SiebPageTabs", 13}, {"SiebPDQ", 3},
          {"SiebPicklist", 11}, {"SiebRichText", 6}, {"SiebScreen", 3, T}, {"SiebScreenViews", 3}, {"SiebTask", 3},
          {"SiebTaskAssistant", 3}, {"SiebTaskLink", 20}, {"SiebTaskStep", 3}, {"SiebTaskUIPane", 3},
          {"SiebText", 5}, {"SiebTextArea", 5}, {"SiebThreadbar", 14}, {"SiebToolbar", 14}, {"SiebTree", 18},
          {"SiebView", 3}, {"SiebViewApplets", 3}}},
        {"Silverlight", 995,
         {{"SlvAccordion", 3}, {"SlvButton", 8}, {"SlvCalendar", 3}, {"SlvCheckBox", 9}, {"SlvComboBox", 11},
          {"SlvDataPager", 3}, {"SlvDialog", 2, T}, {"SlvEdit", 6}, {"SlvExpander", 3}, {"SlvLink", 20},
          {"SlvList", 12}, {"SlvObject", 3}, {"SlvPage", 3}, {"SlvProgressBar", 3}, {"SlvRadioButton", 10},
          {"SlvScrollBar", 3}, {"SlvSlider", 3}, {"SlvTabStrip", 13}, {"SlvTable", 19}, {"SlvToggleButton", 8},
          {"SlvTreeView", 18}, {"SlvWindow", 3, T}}},
        {"Terminal Emulators", 999, {{"TeField", 6}, {"TeScreen", 3, T}, {"TeWindow", 3, T}}},
        {"Visual Basic", 998,
         {{"VbButton", 8}, {"VbCheckBox", 9}, {"VbComboBox", 11}, {"VbEdit", 6}, {"VbEditor", 6}, {"VbFrame", 3},
          {"VbList", 12}, {"VbListView", 15}, {"VbRadioButton", 10}, {"VbScrollBar", 3}, {"VbToolbar", 14},
          {"VbTreeView", 18}, {"VbWindow", 3, T}}},
        {"Web", 995,
         {{"Browser", 0, T}, {"Frame", 1, T}, {"Image", 21}, {"Link", 20}, {"Page", 3}, {"ViewLink", 20},
          {"WebArea", 20}, {"WebButton", 8}, {"WebCheckBox", 9}, {"WebEdit", 6}, {"WebElement", 3}, {"WebFile", 6},
          {"WebList", 12}, {"WebRadioGroup", 7}, {"WebTable", 19}}},
        {"Windows Presentation Foundation", 993,
         {{"WpfButton", 8}, {"WpfCheckBox", 9}, {"WpfComboBox", 11}, {"WpfEdit", 6}, {"WpfImage", 21},
          {"WpfLink", 20}, {"WpfList", 12}, {"WpfMenu", 4}, {"WpfObject", 3}, {"WpfProgressBar", 3},
          {"WpfRadioButton", 10}, {"WpfScrollBar", 3}, {"WpfSlider", 3}, {"WpfStatusBar", 3}, {"WpfTabStrip", 13},
          {"WpfTable", 19}, {"WpfToolBar", 14}, {"WpfTreeView", 18}, {"WpfWindow", 3, T}}},
    };
    std::vector<CQTPWndType> table;
    for (const EnvironmentRows& rows : environments)
        for (const ClassRow& row : rows.classes)
            table.push_back({row.name, rows.environment, row.windowType, rows.guiId, row.topLevel});
    return table;
}

}  // namespace

const std::vector<CQTPWndType>& GetUftClassTable() {
    static const std::vector<CQTPWndType> table = BuildClassTable();
    return table;
}

const CQTPWndType* FindClassEntry(std::string_view className) {
    for (const CQTPWndType& entry : GetUftClassTable())
        if (entry.className == className) return &entry;
    return nullptr;
}

std::string GetToolEnvironmentName(std::string_view environment) {
    if (environment == ".NET Web Forms" || environment == ".NET Windows Forms") return ".NET";
    if (environment == "SAP Web" || environment == "SAP Windows") return "SAP";
    if (environment == "VisualAge") return "VisualAge Smalltalk";
    if (environment == "Windows Presentation Foundation") return "WPF";
    return std::string(environment);
}
