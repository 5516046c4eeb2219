#include "views/menu/MenuScrollView.h"

const std::vector<ViewMenuEntry>& CMenuScrollView::ContextMenu() {
    static const std::vector<ViewMenuEntry> entries = {
        {48104, 32891}, {48105, 32781}, {48106, 32771}, {48107, 32778}, {0, 0},         {48194, 32973},
        {48108, 40003}, {48109, 32944}, {0, 0},         {48110, 32772}, {48111, 32905}, {48112, 32914},
        {0, 0},         {48113, 32801}, {48114, 32802}, {48115, 32829}, {48116, 32893}, {0, 0},
        {48117, 32930}, {48118, 32931}, {48119, kPrintCommand},
    };
    return entries;
}
