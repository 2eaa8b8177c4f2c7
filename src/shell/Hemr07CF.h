#pragma once
// The age-distribution condition form of program HEMR07: company and
// department ranges, the statistics date and the age brackets, whose lower
// bounds follow the upper bound of the row above.

#include <array>
#include <string>

#include "src/shell/BaseRpt.h"

namespace rt {
class TCustomLabel;
class TCustomMaskEdit;
}  // namespace rt

namespace hemr {

class TSelectPanel;

class TfrmHemr07 : public TfrmBaseRpt {
    RT_CLASS(TfrmHemr07, TfrmBaseRpt)

public:
    // The seven middle brackets, rows 06..12, each from an A edit to a B edit.
    static constexpr int kPairCount = 7;
    static constexpr int kOwnRows = 12;

    explicit TfrmHemr07(rt::TComponent* owner);

    static void Publish(rt::TPublisher<TfrmHemr07>& p);

    void InitSettings() override;
    bool InitForm(const rt::Variant& Params) override;
    bool FillConditionCaptions(rt::Variant& Captions, int Rows) override;
    bool FillConditionValues(rt::Variant& Values, int Rows) override;
    void AfterControlRestore(rt::TComponent* Control, const std::string& Value) override;

    // ---- published handlers ----------------------------------------------------------
    void ed05Exit(rt::TObject* Sender);
    void ed06BExit(rt::TObject*) { PairExit(0); }
    void ed07BExit(rt::TObject*) { PairExit(1); }
    void ed08BExit(rt::TObject*) { PairExit(2); }
    void ed09BExit(rt::TObject*) { PairExit(3); }
    void ed10BExit(rt::TObject*) { PairExit(4); }
    void ed11BExit(rt::TObject*) { PairExit(5); }
    void ed12BExit(rt::TObject*) { PairExit(6); }
    // Shared by ed05 and the B edits: Backspace and letters are discarded.
    void ed05KeyPress(rt::TObject* Sender, char& Key);

    // The form's controls on the first page, bound from its resource (see Publish).
    TSelectPanel* sp01 = nullptr;
    TSelectPanel* sp02 = nullptr;
    rt::TCustomMaskEdit* ed03 = nullptr;
    rt::TCustomMaskEdit* ed05 = nullptr;
    std::array<rt::TCustomMaskEdit*, kPairCount> edA{};
    std::array<rt::TCustomMaskEdit*, kPairCount> edB{};
    rt::TCustomMaskEdit* ed13 = nullptr;
    rt::TCustomLabel* lbl03 = nullptr;
    rt::TCustomLabel* lbl04 = nullptr;
    rt::TCustomLabel* lbl05 = nullptr;
    std::array<rt::TCustomLabel*, kPairCount> lblA{};
    std::array<rt::TCustomLabel*, kPairCount> lblB{};
    rt::TCustomLabel* lbl13 = nullptr;

protected:
    void DoCreate() override;
    void F2Handling(rt::TWinControl* control) override;

private:
    void PrepareBrackets();
    // The exit check of one upper bound: `lower` is the row's lower bound
    // (null for ed05), `next` the lower bound of the row below.
    void BoundExit(rt::TCustomMaskEdit* edit, rt::TCustomMaskEdit* lower, rt::TCustomMaskEdit* next);
    void PairExit(int pair);
    // The edit that takes `edit`'s value when it is left: ed06A for ed05, the
    // next A edit for a B edit, ed13 for ed12B.
    rt::TCustomMaskEdit* NextOf(int pair) const;
    // Blanks as wide as lbl04's caption in ANSI bytes, so that the lower rows
    // line up under the heading row when printed.
    std::string CaptionPadding() const;
    bool OwnsPart(const TSelectPanel* panel, const rt::TWinControl* control) const;
};

}  // namespace hemr
