#include "views/menu/MenuViewPrint.h"

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Format.h"
#include "resources/MessageCatalogue.h"
#include "views/print/MenuPrinter.h"
#include "views/print/PrintPage.h"

namespace {

constexpr int kPageFooter = 49197;
constexpr int kMargin = 30;

}  // namespace

int PrintMenuPage(const CMenuKav& menu, TextSurface& surface, const ViewRect& page, int pageNumber) {
    const ViewRect content = page.Inflated(-kMargin, -kMargin);
    if (pageNumber > 0) surface.Draw(draw::Clip{content});
    CMenuPrinter printer(content.top, 1, content, pageNumber, surface, CurrentApplication->GetMetaConditions());
    printer.PrintMenu(menu);
    if (pageNumber > 0) {
        surface.Draw(draw::Clip{});
        DrawPageFooter(surface, content, Fmt(LoadMessage(kPageFooter), pageNumber));
    }
    return printer.GetPosition().page;
}
