#pragma once
// A client data set of one record served by a stand-in provider, with a
// data source over it, for the data-aware controls.

#include <memory>

#include "platform/automation/Dispatch.h"
#include "platform/remote/TClientDataSet.h"
#include "src/controls/DataSource.h"

namespace hemr_test {

class TEmployeeProvider : public rt::TAutoObject {
public:
    TEmployeeProvider() {
        DefineMethod("AS_GetRecords", [](rt::DispatchArgs&) {
            rt::Variant rows = rt::Variant::CreateArray({{0, 0}});
            rows[0] = rt::Variant::ArrayOf({"E001", "王小明"});
            return rt::Variant::ArrayOf({rt::Variant::ArrayOf({"EMP_ID", "EMP_NAME"}), rows});
        });
    }
};

struct TEmployeeData {
    TEmployeeData() : source(nullptr) {
        data.SetAppServer(rt::Variant(rt::DispatchPtr(provider)));
        data.SetProviderName("pvdEmployee");
        data.Open();
        data.FieldByName("EMP_NAME").SetDisplayLabel("员工姓名");
        source.SetDataSet(&data);
    }
    std::shared_ptr<TEmployeeProvider> provider = std::make_shared<TEmployeeProvider>();
    rt::TClientDataSet data;
    hemr::TDataSource source;
};

}  // namespace hemr_test
