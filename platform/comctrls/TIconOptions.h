#pragma once
// How a list view arranges icons: along the top or the left, automatically
// re-arranged or not, with wrapped captions or not.

#include "platform/classes/TPersistent.h"
#include "platform/comctrls/ListViewTypes.h"

namespace rt {

class TIconOptions : public TPersistent {
    RT_CLASS(TIconOptions, TPersistent)

public:
    TIconOptions() = default;
    static void Publish(TPublisher<TIconOptions>& p);

    TIconArrangement Arrangement() const { return arrangement_; }
    void SetArrangement(TIconArrangement v) { arrangement_ = v; }
    bool AutoArrange() const { return autoArrange_; }
    void SetAutoArrange(bool v) { autoArrange_ = v; }
    bool WrapText() const { return wrapText_; }
    void SetWrapText(bool v) { wrapText_ = v; }
    void Assign(const TPersistent* source) override;

private:
    TIconArrangement arrangement_ = iaTop;
    bool autoArrange_ = false;
    bool wrapText_ = true;
};

}  // namespace rt
