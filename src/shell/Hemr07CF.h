#pragma once
// The age-distribution condition form of program HEMR07. For now it derives
// straight from the generic condition form; the report and schedule forms
// will stand between them.

#include "src/framework/BaseGene.h"

namespace hemr {

inline constexpr const char* kReportCounterProgID = "ZizuvaRoderirO.dmReportCounter";

class TfrmHemr07 : public TfrmBaseGene {
    RT_CLASS(TfrmHemr07, TfrmBaseGene)

public:
    explicit TfrmHemr07(rt::TComponent* owner);

    void SetupConnection(rt::TRemoteConnection& Connection) override;

protected:
    void DoCreate() override;
};

}  // namespace hemr
