// The client data set over a provider answered by a stand-in server object.

#include <gtest/gtest.h>

#include "platform/automation/Dispatch.h"
#include "platform/core/Exceptions.h"
#include "platform/remote/TClientDataSet.h"

using rt::Variant;

namespace {

class ProviderServer : public rt::TAutoObject {
public:
    ProviderServer() {
        DefineMethod("AS_GetRecords", [this](rt::DispatchArgs& a) {
            ++fetches;
            if (a[0].ToString() != "pvdConSave")
                throw rt::EOleError("Unknown provider");
            Variant list = Variant::CreateArray({{0, static_cast<int>(rows.size()) - 1}});
            for (size_t i = 0; i < rows.size(); ++i)
                list[static_cast<int>(i)] = Variant::ArrayOf(rows[i]);
            return Variant::ArrayOf({Variant::ArrayOf({"NCONDITION", "CREATOR", "PROGRAMME"}), list});
        });
    }
    std::vector<std::vector<Variant>> rows = {{"乙", "DS", "HEMR07"}, {"甲", "DS", "HEMR07"}, {"乙", "AB", "HEMR07"}};
    Variant malformed;
    int fetches = 0;
};

class ClientDataSet : public ::testing::Test {
protected:
    void SetUp() override {
        data_.SetAppServer(Variant(rt::DispatchPtr(server_)));
        data_.SetProviderName("pvdConSave");
        data_.AddIndex("Index1", "NCONDITION;CREATOR;PROGRAMME");
        data_.SetIndexName("Index1");
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (data_.First(); !data_.Eof(); data_.Next())
            names.push_back(data_.FieldByName("NCONDITION").AsString() + "/" + data_.FieldByName("CREATOR").AsString());
        return names;
    }
    std::shared_ptr<ProviderServer> server_ = std::make_shared<ProviderServer>();
    rt::TClientDataSet data_;
};

TEST_F(ClientDataSet, OpenFetchesTheProviderAndWalksRecordsInIndexOrder) {
    EXPECT_FALSE(data_.Active());
    data_.Open();
    EXPECT_TRUE(data_.Active());
    EXPECT_EQ(data_.RecordCount(), 3);
    // Ordinal order of the UTF-8 texts: 乙 (E4 B9 99) before 甲 (E7 94 B2).
    EXPECT_EQ(Names(), (std::vector<std::string>{"乙/AB", "乙/DS", "甲/DS"}));
    data_.Close();
    EXPECT_FALSE(data_.Active());
    EXPECT_THROW(data_.First(), rt::EDatabaseError) << "a closed data set has no cursor";
}

TEST_F(ClientDataSet, FindKeyMovesToTheRecordOrLeavesTheCursorWhereItWas) {
    data_.Open();
    ASSERT_TRUE(data_.FindKey({"甲", "DS", "HEMR07"}));
    EXPECT_EQ(data_.RecNo(), 3);
    EXPECT_FALSE(data_.FindKey({"甲", "AB", "HEMR07"}));
    EXPECT_EQ(data_.RecNo(), 3) << "a failed search keeps the position";
    ASSERT_TRUE(data_.FindKey({"乙"})) << "a shorter key matches the leading fields";
    EXPECT_EQ(data_.FieldByName("CREATOR").AsString(), "AB");
    data_.SetIndexFieldNames("");
    EXPECT_THROW(data_.FindKey({"乙"}), rt::EDatabaseError) << "no index, no key search";
}

TEST_F(ClientDataSet, EditAndPostChangeTheCachedRecordAndKeepItCurrent) {
    data_.Open();
    ASSERT_TRUE(data_.FindKey({"甲", "DS", "HEMR07"}));
    EXPECT_THROW(data_.FieldByName("NCONDITION").SetAsString("x"), rt::EDatabaseError) << "only while editing";
    data_.Edit();
    data_.FieldByName("NCONDITION").SetAsString("丙");
    EXPECT_EQ(data_.FieldByName("NCONDITION").AsString(), "丙") << "the edit buffer is read while editing";
    data_.Post();
    EXPECT_EQ(data_.State(), rt::TDataSetState::dsBrowse);
    EXPECT_EQ(data_.FieldByName("NCONDITION").AsString(), "丙") << "the posted record stays current";
    EXPECT_TRUE(data_.FindKey({"丙", "DS", "HEMR07"}));
    EXPECT_FALSE(data_.FindKey({"甲", "DS", "HEMR07"}));
    data_.Edit();
    data_.FieldByName("CREATOR").SetAsString("ZZ");
    data_.Cancel();
    EXPECT_EQ(data_.FieldByName("CREATOR").AsString(), "DS") << "cancel drops the edit";
}

TEST_F(ClientDataSet, RefreshFetchesAgainAndStaysOnTheSameKey) {
    data_.Open();
    ASSERT_TRUE(data_.FindKey({"甲", "DS", "HEMR07"}));
    server_->rows.push_back({"丁", "DS", "HEMR07"});
    data_.Refresh();
    EXPECT_EQ(server_->fetches, 2);
    EXPECT_EQ(data_.RecordCount(), 4);
    EXPECT_EQ(data_.FieldByName("NCONDITION").AsString(), "甲") << "cursor kept on the same key";
}

TEST_F(ClientDataSet, FieldsKeepLabelsAndTextHandlersAcrossReopening) {
    data_.Open();
    rt::TField& name = data_.FieldByName("ncondition");
    EXPECT_EQ(name.DisplayLabel(), "NCONDITION");
    name.SetDisplayLabel("方案名称");
    name.OnGetText = [](rt::TField& f, std::string& text, bool display) {
        text = (display ? "[" : "(") + f.AsString() + (display ? "]" : ")");
    };
    std::string entered;
    name.OnSetText = [&](rt::TField&, const std::string& text) { entered = text; };
    data_.Close();
    data_.Open();
    rt::TField& again = data_.FieldByName("NCONDITION");
    EXPECT_EQ(&again, &name) << "the same field object after reopening";
    EXPECT_EQ(again.DisplayLabel(), "方案名称");
    EXPECT_EQ(again.DisplayText(), "[乙]");
    EXPECT_EQ(again.Text(), "(乙)");
    again.SetText("typed");
    EXPECT_EQ(entered, "typed") << "entry goes through the handler";
    EXPECT_THROW(data_.FieldByName("NOPE"), rt::EDatabaseError);
}

TEST_F(ClientDataSet, AnEmptyProviderIsAtBothEndsAndUnknownIndexesAreRefused) {
    server_->rows.clear();
    data_.Open();
    EXPECT_TRUE(data_.Eof());
    EXPECT_TRUE(data_.Bof());
    EXPECT_TRUE(data_.FieldByName("CREATOR").Value().IsEmpty());
    EXPECT_THROW(data_.Edit(), rt::EDatabaseError);
    EXPECT_THROW(data_.SetIndexName("Index9"), rt::EDatabaseError);
    EXPECT_EQ(data_.IndexName(), "Index1") << "a refused index leaves the active one";
}

TEST(ClientDataSetErrors, WithoutAServerOrProviderOpeningFailsAndStaysClosed) {
    rt::TClientDataSet data;
    data.SetProviderName("pvdConSave");
    EXPECT_THROW(data.Open(), rt::EDatabaseError);
    EXPECT_FALSE(data.Active());
    auto server = std::make_shared<ProviderServer>();
    data.SetAppServer(Variant(rt::DispatchPtr(server)));
    data.SetProviderName("other");
    EXPECT_THROW(data.Open(), rt::Exception) << "the provider's refusal reaches the caller";
    EXPECT_FALSE(data.Active());
}

}  // namespace
