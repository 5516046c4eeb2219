#include "model/windows/MenuWindows.h"

CMenuKav::CMenuKav(const std::string& id, int numId, int guiId, const std::string& tag)
    : CWindowKav(kWndMenu, {.id = id, .numId = numId, .guiId = guiId, .tag = tag, .style = win32::WS_VISIBLE}) {}

CMenuItemKav::CMenuItemKav(const std::string& id, int numId, int guiId, const std::string& tag,
                           const std::string& caption, std::uint32_t flags, std::uint32_t exStyle, int tabNr)
    : CWindowKav(kWndMenuItem, {.id = id,
                                .numId = numId,
                                .guiId = guiId,
                                .tag = tag,
                                .caption = caption,
                                .style = flags,
                                .exStyle = exStyle,
                                .tabNr = tabNr}) {}
