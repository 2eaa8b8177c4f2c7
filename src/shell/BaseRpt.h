#pragma once
// The report output form, base of every report condition form. Beside the
// queued background run of the schedule form it offers the output options
// (date layout, report file, web output, page footer and sign-off blocks)
// and three more ways to produce the report: the direct query through the
// program's server library, the report designer through the queue manager
// and the web report in a browser.

#include <cstdint>
#include <string>
#include <vector>

#include "src/shell/BaseOpt.h"
#include "src/shell/RunningWinC.h"

namespace rt {
class TButton;
class TComboBox;
class TCustomCheckBox;
class TCustomEdit;
class TCustomLabel;
}  // namespace rt

namespace hemr {

class TF2Button;

// OutputFlags: what the server generates.
enum TOutputFlag : uint8_t { ofReportFile = 1, ofHtml = 2, ofDirectPrint = 4 };
inline constexpr uint8_t kOutputFlagMask = ofReportFile | ofHtml | ofDirectPrint;

// One of the two text blocks of the system page.
enum class TTextBlock { Footer, SignIn };

class TfrmBaseRpt : public TfrmBaseOpt {
    RT_CLASS(TfrmBaseRpt, TfrmBaseOpt)

public:
    static constexpr int kEnvOutputFlags = 13;
    static constexpr int kEnvExtName = 14;
    static constexpr const char* QueueManagerProgID = "DovorArovuroV.Class1";
    static constexpr const char* BrowserProgID = "InternetExplorer.Application";

    explicit TfrmBaseRpt(rt::TComponent* owner);
    ~TfrmBaseRpt() override;

    static void Publish(rt::TPublisher<TfrmBaseRpt>& p);

    // ---- overrides -----------------------------------------------------------------
    void InitSettings() override;
    bool InitForm(const rt::Variant& Params) override;
    void ArrangeSystemPage() override;
    bool FillEnvironment(rt::Variant& Environment, int Count) override;
    bool FillConditionCaptions(rt::Variant& Captions, int Rows) override;
    bool FillConditionValues(rt::Variant& Values, int Rows) override;
    void ResetOutputOptions() override;
    bool RunStartMode(int Mode) override;
    void BuildControlPropertyList() override;

    // ---- state ---------------------------------------------------------------------
    uint8_t OutputFlags() const { return outputFlags_; }
    const std::string& ExtName() const { return extName_; }
    const std::string& FontName() const { return fontName_; }
    int32_t FontSize() const { return fontSize_; }
    int32_t ReportWidth() const { return reportWidth_; }
    const std::string& LastLookupCode() const { return lastLookupCode_; }
    // The running window while a designed or web report is being opened.
    TfrmRunningWinC* RunningWindow() const { return runningWin_.get(); }
    // The web report address of the last web run, "" before one.
    const std::string& LastWebAddress() const { return lastWebAddress_; }

    // ---- published handlers --------------------------------------------------------
    void chkViewClick(rt::TObject* Sender);
    void edNoteIDEnter(rt::TObject* Sender);
    void edNoteIDExit(rt::TObject* Sender);
    void edSignInIDExit(rt::TObject* Sender);
    void btnQueryClick(rt::TObject* Sender);
    void btnDesignClick(rt::TObject* Sender);
    void btnWebDesignClick(rt::TObject* Sender);
    void btnPeriodClick(rt::TObject* Sender);

    // The form's controls, bound from its resource (see Publish).
    rt::TCustomLabel* lblDateType = nullptr;
    rt::TComboBox* cboDateType = nullptr;
    rt::TGroupBox* grpGenType = nullptr;
    rt::TCustomCheckBox* chkView = nullptr;
    rt::TCustomCheckBox* chkHTML = nullptr;
    rt::TCustomCheckBox* chkDirectPrint = nullptr;
    rt::TGroupBox* grpNote = nullptr;
    rt::TCustomEdit* edNoteID = nullptr;
    TF2Button* btnNote = nullptr;
    rt::TCustomEdit* edNote1 = nullptr;
    rt::TCustomEdit* edNote2 = nullptr;
    rt::TCustomEdit* edNote3 = nullptr;
    rt::TCustomCheckBox* chkNoteEPPrint = nullptr;
    rt::TGroupBox* grpSignIn = nullptr;
    rt::TCustomEdit* edSignInID = nullptr;
    TF2Button* btnSignIn = nullptr;
    rt::TCustomEdit* edSignIn1 = nullptr;
    rt::TCustomEdit* edSignIn2 = nullptr;
    rt::TCustomEdit* edSignIn3 = nullptr;
    rt::TCustomCheckBox* chkSignInEPPrint = nullptr;
    rt::TButton* btnQuery = nullptr;
    rt::TButton* btnDesign = nullptr;
    rt::TButton* btnWebDesign = nullptr;

protected:
    void DoCreate() override;
    void DoShow() override;
    void F2Handling(rt::TWinControl* control) override;

    void SetExtName(const std::string& name) { extName_ = name; }
    void SetFontSize(int32_t size) { fontSize_ = size; }
    void SetReportWidth(int32_t width) { reportWidth_ = width; }
    bool IsFixedLayout() const { return ProgramKind() == "F"; }

private:
    struct TBlockControls {
        rt::TCustomEdit* code;
        TF2Button* lookup;
        rt::TCustomEdit* texts[3];
        rt::TCustomCheckBox* everyPage;
        rt::TGroupBox* group;
    };

    TBlockControls Block(TTextBlock block) const;
    std::string LangText(const char* key, const char* def);
    void ChooseFontName();
    void DropRocDateLayouts();
    // btnQuery follows the run-options record of the program ("ADMMB"/"11").
    void ApplyDirectQueryRule();
    void EnableRunButtons();

    // ---- footer and sign-off (BaseRptFooter.cpp) ----------------------------------
    void LoadDefaultTexts();
    void FillDefaultBlock(TTextBlock block, const rt::Variant& record, int first);
    void CodeExit(TTextBlock block);
    void BlockLookup(TTextBlock block);
    void ClearBlock(TTextBlock block);
    rt::Variant BlockKey(TTextBlock block, const std::string& code) const;
    rt::Variant BlockRow(TTextBlock block) const;

    // ---- the three runs (BaseRptRuns.cpp) -------------------------------------------
    bool RunDirectQuery();
    void RunDesignReport();
    void RunWebReport();
    // Request1 with the array in code page 936; "ERROR" on any failure.
    std::string RequestLoggedJob();
    std::string ServerErrorText();
    std::vector<rt::Variant> DirectArguments(const std::string& job) const;
    // RunDirect with the job; false after showing why when it fails.
    bool RunReportDirectly(const std::string& job, const char* failedDefault);
    // Steps shared by the design and the web run: request, result, direct run, status.
    bool PrepareOpenedRun(std::string& job);
    void UpdateJobStatus(const std::string& job);
    void OpenInQueueManager(const std::string& job);
    // The web report (edition 9): its handler and button.
    static void PublishWebReport(rt::TPublisher<TfrmBaseRpt>& p);
    bool ReadWebSite(std::string& site);
    void OpenWebAddress(const std::string& address);
    void ShowError(const std::string& text);
    void ShowFailure(const char* key, const char* def);

    uint8_t outputFlags_ = ofReportFile;
    std::string extName_;
    std::string fontName_;
    int32_t fontSize_ = 0;
    int32_t reportWidth_ = 0;
    std::string lastLookupCode_;
    std::string lastWebAddress_;
    TRunningWinPtr runningWin_;
};

}  // namespace hemr
