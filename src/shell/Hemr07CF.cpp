#include "src/shell/Hemr07CF.h"

namespace hemr {

TfrmHemr07::TfrmHemr07(rt::TComponent* owner) : TfrmBaseGene(owner) {}

void TfrmHemr07::DoCreate() {
    TfrmBaseGene::DoCreate();
    SetVersionText("890901");
}

void TfrmHemr07::SetupConnection(rt::TRemoteConnection& Connection) {
    TfrmBaseGene::SetupConnection(Connection);
    // The scheme and job server of every report form.
    Connection.SetServerName(kReportCounterProgID);
}

}  // namespace hemr
