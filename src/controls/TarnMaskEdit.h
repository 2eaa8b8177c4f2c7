#pragma once
// The range edit of the selection panel: a mask edit whose change
// notification can be held back while the panel rewrites it.

#include "platform/maskedit/TMaskEdit.h"

namespace hemr {

class TTarnMaskEdit : public rt::TMaskEdit {
    RT_CLASS(TTarnMaskEdit, rt::TMaskEdit)

public:
    explicit TTarnMaskEdit(rt::TComponent* owner);
    ~TTarnMaskEdit() override;

    bool SuppressChange() const { return suppressChange_; }
    void SetSuppressChange(bool v) { suppressChange_ = v; }

protected:
    void Change() override;

private:
    bool suppressChange_ = false;
};

// Holds back an edit's change notification for as long as it lives.
class TChangeSuppressor {
public:
    explicit TChangeSuppressor(TTarnMaskEdit& edit) : edit_(edit), was_(edit.SuppressChange()) {
        edit_.SetSuppressChange(true);
    }
    ~TChangeSuppressor() { edit_.SetSuppressChange(was_); }
    TChangeSuppressor(const TChangeSuppressor&) = delete;
    TChangeSuppressor& operator=(const TChangeSuppressor&) = delete;

private:
    TTarnMaskEdit& edit_;
    bool was_;
};

}  // namespace hemr
