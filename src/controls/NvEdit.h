#pragma once
// An edit that carries its own caption label ("EditLabel"). The label sits
// beside the edit by LabelPosition and LabelSpacing, takes the edit's parent,
// enabled state and visibility, and is placed again whenever the edit moves.
// Derived edits glue further parts to the edit the same way (PlaceParts).

#include <string>

#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TEdit.h"
#include "src/controls/ControlEnums.h"

namespace hemr {

class TNvEdit : public rt::TEdit {
    RT_CLASS(TNvEdit, rt::TEdit)

public:
    explicit TNvEdit(rt::TComponent* owner);
    ~TNvEdit() override;

    static void Publish(rt::TPublisher<TNvEdit>& p);

    // Null once the label was freed elsewhere.
    rt::TLabel* EditLabel() const { return editLabel_; }
    // The label's text (published as "Caption").
    std::string LabelCaption() const;
    void SetLabelCaption(const std::string& caption);
    TLabelPosition LabelPosition() const { return labelPosition_; }
    void SetLabelPosition(TLabelPosition position);
    int LabelSpacing() const { return labelSpacing_; }
    // A negative spacing is ignored.
    void SetLabelSpacing(int spacing);

    void SetBounds(int left, int top, int width, int height) override;
    void SetParentComponent(rt::TComponent* parent) override;
    void Loaded() override;
    void Notification(rt::TComponent* component, rt::TOperation operation) override;

protected:
    // Places the label; derived edits place their own parts too.
    virtual void PlaceParts();
    // Gives `part` the edit's parent, enabled state and visibility.
    void FollowEdit(rt::TControl* part);
    void VisibleChanged() override;
    void EnabledChanged() override;

private:
    rt::TLabel* editLabel_ = nullptr;
    TLabelPosition labelPosition_ = lpLeft;
    int labelSpacing_ = 4;
};

}  // namespace hemr
