#include "views/testcase/TestCaseView.h"

const std::vector<ViewMenuEntry>& CTestCaseView::ContextMenu() {
    static const std::vector<ViewMenuEntry> entries = {
        {48148, 32924}, {48149, 32916}, {48150, 32921}, {0, 0},         {48192, 32972}, {48151, 40003},
        {0, 0},         {48152, 32781}, {48153, 32777}, {0, 0},         {48154, 32802},
    };
    return entries;
}
