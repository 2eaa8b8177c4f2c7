#pragma once
// A page control whose tabs the control draws itself: OnDrawTab when a form
// assigns it, otherwise captions on the active and inactive caption colours.

#include "platform/comctrls/TPageControl.h"

namespace hemr {

class TExtPageControl : public rt::TPageControl {
    RT_CLASS(TExtPageControl, rt::TPageControl)

public:
    explicit TExtPageControl(rt::TComponent* owner);

    static void Publish(rt::TPublisher<TExtPageControl>& p);

protected:
    void DrawTab(int tabIndex, const rt::TRect& rect, bool active) override;

private:
    void DrawTabCaption(int tabIndex, rt::TRect rect, bool active);
};

}  // namespace hemr
