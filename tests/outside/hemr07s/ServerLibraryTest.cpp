// HEMR07S.so as the condition form reaches it: by name, through its export.

#include <gtest/gtest.h>

#include "hemr/SvrController.h"
#include "outside/appserver/ReportStore.h"
#include "platform/core/Exceptions.h"
#include "platform/os/DynLib.h"
#include "platform/os/Files.h"
#include "tests/outside/hemr07s/Hemr07Values.h"
#include "tests/outside/hemr07s/ReportHome.h"

namespace {

class ServerLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = rt::LoadLibrary(hemr07test::BinaryDir() + "/HEMR07S.dll");
        ASSERT_NE(module_, 0u) << rt::LastLibraryError();
        get_ = reinterpret_cast<hemr::GetSvrControllerFn>(rt::GetProcAddress(module_, hemr::kGetSvrControllerSymbol));
        ASSERT_NE(get_, nullptr);
    }
    void TearDown() override { rt::FreeLibrary(module_); }

    hemr07test::ReportHome home_;
    rt::HMODULE module_ = 0;
    hemr::GetSvrControllerFn get_ = nullptr;
};

TEST_F(ServerLibrary, BothArgumentLayoutsRunTheReportAndReleaseTellsWhereItIs) {
    rt::Variant values = hemr07test::Hemr07Form().Values();
    hemr::ISvrController* controller = get_();
    ASSERT_NE(controller, nullptr);
    controller->Run(hemr07test::RunArguments("", values));
    std::string message;
    controller->Release(message);
    ASSERT_EQ(message.rfind("报表已生成: ", 0), 0u) << message;
    std::string textFile = message.substr(std::string("报表已生成: ").size());
    EXPECT_TRUE(rt::FileExists(textFile)) << textFile;
    EXPECT_EQ(textFile.rfind(home_.Path() + "/Report/", 0), 0u) << "under the server folder";

    controller = get_();
    controller->Run(rt::Variant::ArrayOf({"JOBB01", "01", "DS", values, "DEMO", "JOBB0001", 3}));
    controller->Release(message);
    auto store = appserver::ServerStore::Open(home_.Path());
    auto record = appserver::ReportStore(store).FindByJob("JOBB01");
    ASSERT_TRUE(record) << "the batch layout names the job first as well";
    EXPECT_NE(hemr07test::ReadText(record->csvFile).find("合计,,,88,"), std::string::npos);
}

TEST_F(ServerLibrary, AFailedRunRaisesAcrossTheLibraryAndReleaseCarriesTheReason) {
    hemr07test::Hemr07Form bad;
    bad.pairs[0].second = "x";
    hemr::ISvrController* controller = get_();
    EXPECT_THROW(controller->Run(hemr07test::RunArguments("", bad.Values())), rt::Exception);
    std::string message;
    controller->Release(message);
    EXPECT_NE(message.find("第 5 项"), std::string::npos) << message;

    controller = get_();
    controller->Release(message);
    EXPECT_EQ(message, "") << "released without a run";
}

}  // namespace
