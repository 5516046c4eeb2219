#include "views/flow/TaskflowView.h"

const std::vector<ViewMenuEntry>& CTaskflowView::ContextMenu() {
    static const std::vector<ViewMenuEntry> entries = {
        {48135, 32924}, {48136, 32916}, {48137, 32915}, {48138, 32921}, {0, 0},         {48192, 32972},
        {48139, 40003}, {0, 0},         {48140, 32781}, {48141, 32777}, {48142, 40005}, {0, 0},
        {48143, 32801}, {48144, 32802}, {48145, 32829}, {0, 0},         {48146, 32930}, {48147, 32931},
    };
    return entries;
}
