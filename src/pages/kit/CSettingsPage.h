#pragma once
// The settings-page shape: a page over one record of the model. Each show copies the record out
// of the model into the working copy and fills the bound controls; Apply validates the controls
// (one report), stores them into the working copy, runs the page's own rules, writes the record
// through WriteRecord and adds the page's log line.
//
//   class CTimeSettingDlg : public CSettingsPage<TIME_SETTINGS> {
//   public:
//       explicit CTimeSettingDlg(IPageHost* host) : CSettingsPage(kTemplate, host, kButtonApply)
//       {
//           Bindings().Bind(kEditServer, kLabelServer, &TIME_SETTINGS::Server, AsAddressText(500));
//       }
//   protected:
//       TIME_SETTINGS ReadRecord(const CDataCenter& model) const override { return model.GetTimeSettings(); }
//       void WriteRecord(CDataCenter& model, const TIME_SETTINGS& r) override { model.SetTimeSettings(r); }
//       QString AppliedLogLine() const override { return "[Time] Apply setting successfully"; }
//   };

#include "CPropertyUIDialog.h"
#include "EntryTabs.h"
#include "IBoundPage.h"
#include "PageBindings.h"
#include "ValidationReport.h"

template <class Record>
class CSettingsPage : public CPropertyUIDialog, public IBoundPage {
public:
    const Record& WorkingCopy() const { return working_; }

    std::vector<BoundForm> BoundForms() const override
    {
        std::vector<BoundForm> forms{{this, bindings_.Controls()}};
        tabs_.AddBoundForms(forms);
        return forms;
    }

    // Validates, stores and writes; false (after the report or with no model) when nothing was written.
    bool Apply()
    {
        CDataCenter* model = GetDataCenter();
        if (!model)
            return false;
        ValidationReport report;
        const bool controlsGood = bindings_.Validate(*this, report);
        if (!tabs_.Validate(report) || !controlsGood) {
            report.ShowIfAny();
            return false;
        }
        Record candidate = working_;
        bindings_.Store(*this, candidate);
        tabs_.Gather(candidate);
        CheckRecord(candidate, report);
        if (report.ShowIfAny())
            return false;
        working_ = std::move(candidate);
        WriteRecord(*model, working_);
        if (const QString line = AppliedLogLine(); !line.isEmpty())
            AddLogLine(line);
        return true;
    }

protected:
    // applyButtonId 0: the page calls Apply itself.
    CSettingsPage(unsigned templateId, IPageHost* host, int applyButtonId)
        : CPropertyUIDialog(templateId, host), applyButtonId_(applyButtonId)
    {}
    CSettingsPage(DialogTemplate dialogTemplate, IPageHost* host, int applyButtonId)
        : CPropertyUIDialog(std::move(dialogTemplate), host), applyButtonId_(applyButtonId)
    {}

    PageBindings<Record>& Bindings() { return bindings_; }
    const PageBindings<Record>& Bindings() const { return bindings_; }
    // Tab pages editing the same record, filled, validated and gathered with the page's controls.
    EntryTabs<Record>& Tabs() { return tabs_; }
    Record& MutableWorkingCopy() { return working_; }

    // ---- hooks ----
    virtual Record ReadRecord(const CDataCenter& model) const = 0;
    virtual void WriteRecord(CDataCenter& model, const Record& record) = 0;
    // Empty: Apply adds no log line.
    virtual QString AppliedLogLine() const = 0;
    // Rules across fields, on the stored candidate; add lines with their controls to the report.
    virtual void CheckRecord(const Record& record, ValidationReport& report) const {}
    // After the controls show the working copy (still busy): enable or hide controls here.
    virtual void OnRecordShown() {}

    // Shows the working copy again (after the page changed it in code).
    void ShowWorkingCopy()
    {
        BusyGuard busy(Busy());
        bindings_.Fill(*this, working_);
        tabs_.ShowEntry(working_);
        OnRecordShown();
    }

    void OnControlsBuilt() override
    {
        if (applyButtonId_ != 0)
            onClicked(applyButtonId_, [this] { Apply(); });
        CPropertyUIDialog::OnControlsBuilt();
    }

    void OnPageShown() override
    {
        if (const CDataCenter* model = GetDataCenter())
            working_ = ReadRecord(*model);
        ShowWorkingCopy();
    }

private:
    int applyButtonId_ = 0;
    PageBindings<Record> bindings_;
    EntryTabs<Record> tabs_;
    Record working_{};
};
