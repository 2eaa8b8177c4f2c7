#pragma once
// The small borderless window that tells the user a report is being opened
// ("报表开启中，请稍候..."), with the find-file animation running, while a
// designed or web report is handed to the outside program.

#include "platform/forms/FormPtr.h"
#include "src/controls/NVForm.h"

namespace rt {
class TAnimate;
class TCustomLabel;
}  // namespace rt

namespace hemr {

class TfrmRunningWinC : public TNVForm {
    RT_CLASS(TfrmRunningWinC, TNVForm)

public:
    explicit TfrmRunningWinC(rt::TComponent* owner);

    static void Publish(rt::TPublisher<TfrmRunningWinC>& p);

    // Centres the window on `form`, shows it and starts the animation.
    void ShowOver(const rt::TCustomForm& form);

    rt::TCustomLabel* lblRunning = nullptr;
    rt::TAnimate* aniRunning = nullptr;
};

using TRunningWinPtr = rt::TFormPtr<TfrmRunningWinC>;

// A new running window shown over `form`; freed when the pointer goes.
TRunningWinPtr ShowRunningWindow(const rt::TCustomForm& form);

}  // namespace hemr
