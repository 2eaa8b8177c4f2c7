// The web report address: its keys in order, the main table, the culture,
// and which values are percent-encoded.

#include <gtest/gtest.h>

#include "platform/sysutils/DateTime.h"
#include "src/shell/WebReportAddress.h"

namespace hemr_test {
namespace {

using hemr::TWebReportAddress;

TWebReportAddress Hemr07Address() {
    TWebReportAddress a;
    a.SiteAddress = "http://reports.local/Web";
    a.UserID = "796";
    a.CompanyID = "KWTest60";
    a.DbName = "KWDB";
    a.Culture = TWebReportAddress::CultureOf("936");
    a.ProgramCode = "HEMR07";
    a.JobID = "2026120800042";
    return a;
}

TEST(WebReportAddress, Hemr07AddressCarriesTheJobsMainTableAndTheMoment) {
    const TWebReportAddress a = Hemr07Address();
    EXPECT_EQ(a.Build(rt::EncodeDateTime(2026, 1, 2, 3, 4, 5, 678)),
              "http://reports.local/Web/Server/ReportView.aspx?UserID=796&CompanyID=KWTest60&DbName=KWDB"
              "&Culture=zh-CHS&ReportID=HEMR07&ExtName=&MainTable=HEMR072026120800042202612080001"
              "&IsPageBreak='N'&SendKey=20260102030405");
}

TEST(WebReportAddress, MainTableEndsWithTheExtensionName) {
    TWebReportAddress a = Hemr07Address();
    a.ExtName = "A";
    EXPECT_EQ(a.MainTable(), "HEMR072026120800042202612080001A");
    a.JobID = "";
    EXPECT_EQ(a.MainTable(), "HEMR070001A") << "a short job gives what it has";
}

TEST(WebReportAddress, CultureByInterfaceCodePage) {
    EXPECT_EQ(TWebReportAddress::CultureOf("437"), "en");
    EXPECT_EQ(TWebReportAddress::CultureOf("936"), "zh-CHS");
    EXPECT_EQ(TWebReportAddress::CultureOf("950"), "zh-CHT");
    EXPECT_EQ(TWebReportAddress::CultureOf(""), "zh-CHT");
}

TEST(WebReportAddress, AmpersandInACodeCannotSplitTheQuery) {
    TWebReportAddress a = Hemr07Address();
    a.UserID = "A&B";
    a.CompanyID = "X&DbName=Y";
    const std::string address = a.Build(rt::EncodeDateTime(2026, 1, 2, 3, 4, 5, 0));
    EXPECT_NE(address.find("UserID=A%26B&CompanyID=X%26DbName%3DY&DbName=KWDB&"), std::string::npos) << address;
}

TEST(WebReportAddress, ValuesThatCannotStandInAQueryAreEncodedAsUtf8) {
    EXPECT_EQ(TWebReportAddress::QueryValue("a b"), "a%20b");
    EXPECT_EQ(TWebReportAddress::QueryValue("#+%="), "%23%2B%25%3D");
    EXPECT_EQ(TWebReportAddress::QueryValue("\t\x7f"), "%09%7F");
    EXPECT_EQ(TWebReportAddress::QueryValue("张"), "%E5%BC%A0");
}

TEST(WebReportAddress, PlainValuesStayAsWritten) {
    EXPECT_EQ(TWebReportAddress::QueryValue("KW-01_x.y~'N'/?:@!$()*,;"), "KW-01_x.y~'N'/?:@!$()*,;");
    EXPECT_EQ(TWebReportAddress::QueryValue(""), "");
}

TEST(WebReportAddress, SubIdentifierIsTheFirstEightCharactersAnd0001) {
    EXPECT_EQ(hemr::JobSubIdentifier("20261208000123"), "202612080001");
    EXPECT_EQ(hemr::JobSubIdentifier(""), "0001");
}

}  // namespace
}  // namespace hemr_test
