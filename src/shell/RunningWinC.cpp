#include "src/shell/RunningWinC.h"

#include "platform/comctrls/TAnimate.h"
#include "platform/stdctrls/TCustomLabel.h"

namespace hemr {

TfrmRunningWinC::TfrmRunningWinC(rt::TComponent* owner) : TNVForm(owner) {}

void TfrmRunningWinC::Publish(rt::TPublisher<TfrmRunningWinC>& p) {
    RT_COMPONENT(p, lblRunning);
    RT_COMPONENT(p, aniRunning);
}

void TfrmRunningWinC::ShowOver(const rt::TCustomForm& form) {
    SetBounds(form.Left() + (form.Width() - Width()) / 2, form.Top() + (form.Height() - Height()) / 2, Width(),
              Height());
    Show();
    if (aniRunning->Open()) aniRunning->SetActive(true);
}

TRunningWinPtr ShowRunningWindow(const rt::TCustomForm& form) {
    TRunningWinPtr window = rt::CreateFormOf<TfrmRunningWinC>(nullptr);
    window->ShowOver(form);
    return window;
}

}  // namespace hemr
