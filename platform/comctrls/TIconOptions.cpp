#include "platform/comctrls/TIconOptions.h"

namespace rt {

void TIconOptions::Publish(TPublisher<TIconOptions>& p) {
    p.Property("Arrangement", &TIconOptions::Arrangement, &TIconOptions::SetArrangement).Default(iaTop);
    p.Property("AutoArrange", &TIconOptions::AutoArrange, &TIconOptions::SetAutoArrange).Default(false);
    p.Property("WrapText", &TIconOptions::WrapText, &TIconOptions::SetWrapText).Default(true);
}

void TIconOptions::Assign(const TPersistent* source) {
    if (const auto* o = dynamic_cast<const TIconOptions*>(source)) {
        arrangement_ = o->arrangement_;
        autoArrange_ = o->autoArrange_;
        wrapText_ = o->wrapText_;
        return;
    }
    TPersistent::Assign(source);
}

}  // namespace rt
