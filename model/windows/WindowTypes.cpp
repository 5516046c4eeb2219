#include "model/windows/WindowTypes.h"

CWindowKav* CreateWindowOfType(int type, const WindowFields& f) {
    switch (type) {
        case kWndMain: return new CMainWinKav(f);
        case kWndChild: return new CChildWinKav(f);
        case kWndDialogBox: return new CDialogBoxKav(f);
        case kWndCustom: return new CCustomWinKav(f);
        case kWndMenu: return new CMenuKav(f.id, f.numId, f.guiId, f.tag);
        case kWndStaticText: return new CTextKav(f);
        case kWndInputField: return new CInputFieldKav(f);
        case kWndGroupBox: return new CGroupBoxKav(f);
        case kWndPushButton: return new CPushButtonKav(f);
        case kWndCheckBox: return new CCheckBoxKav(f);
        case kWndRadioButton: return new CRadioButtonKav(f);
        case kWndComboBox: return new CComboBoxKav(f);
        case kWndListBox: return new CListBoxKav(f);
        case kWndTabControl: return new CTabControlKav(f);
        case kWndToolBar: return new CToolBarKav(f);
        case kWndListView: return new CListViewKav(f);
        case kWndHeader: return new CHeaderKav(f);
        case kWndMenuItem:
            return new CMenuItemKav(f.id, f.numId, f.guiId, f.tag, f.caption, f.style, f.exStyle, f.tabNr);
        case kWndTreeControl: return new CTreeControlKav(f);
        case kWndTable: return new CTableKav(f);
        case kWndLink: return new CLinkKav(f);
        case kWndImage: return new CImageKav(f);
        default: return nullptr;
    }
}
