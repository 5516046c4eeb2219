#include "editors/generation/DialogControls.h"

#include "resources/MessageCatalogue.h"

bool DialogControls::Refuse(const DialogCheckFailure& failure) {
    return RefuseWithCaption(LoadMessage(failure.messageId), failure.caption, failure.control);
}
