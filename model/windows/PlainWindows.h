#pragma once
// The window types that add nothing to the base: one class per type code.
#include "model/WindowKav.h"

template <int Type>
class CTypedWindowKav : public CWindowKav {
public:
    explicit CTypedWindowKav(const WindowFields& fields) : CWindowKav(Type, fields) {}
};

using CMainWinKav = CTypedWindowKav<kWndMain>;
using CChildWinKav = CTypedWindowKav<kWndChild>;
using CCustomWinKav = CTypedWindowKav<kWndCustom>;
using CTextKav = CTypedWindowKav<kWndStaticText>;
using CToolBarKav = CTypedWindowKav<kWndToolBar>;
using CHeaderKav = CTypedWindowKav<kWndHeader>;
using CTableKav = CTypedWindowKav<kWndTable>;
using CImageKav = CTypedWindowKav<kWndImage>;
