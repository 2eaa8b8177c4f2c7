#include "platform/stdctrls/TGroupBox.h"

#include <algorithm>

#include "platform/graphics/TTextMetrics.h"

namespace rt {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::Publish(TPublisher<TGroupBox>& p) {
    p.Property("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption).Default(std::string());
}

TRect TGroupBox::AlignRect() const {
    TRect r = ClientRect();
    r.Left += 2;
    r.Top += GetTextMetrics().LineHeight(*Font());
    r.Right = std::max(r.Left, r.Right - 2);
    r.Bottom = std::max(r.Top, r.Bottom - 2);
    return r;
}

}  // namespace rt
