#pragma once
// Tab pages of a host page (the data-logging, SNMP-trap and cellular tabs): plain child forms
// built from their own templates, each with bindings to the host's working entry. The host
// fills them with the entry, and gathers and validates them together with its own controls,
// so one report names the bad fields of every tab and focuses the first (its tab in front).
//
//   profile_ = Tabs().Attach(*item<QTabWidget>(kTabs), tr("Profile"), std::make_unique<CProfilePage>());
//   profile_->Bindings().Bind(kEditInterval, kLabelInterval, &DATA_LOG_ITEM::Interval, AsNumber {...});

#include "CFormBase.h"
#include "FormTab.h"
#include "IBoundPage.h"
#include "PageBindings.h"
#include "ValidationReport.h"

#include <QTabWidget>

#include <concepts>
#include <memory>
#include <vector>

// One tab: a form of its own template with its bindings. Derive for handlers of its own.
template <class Entry>
class CEntryTab : public CFormBase {
public:
    explicit CEntryTab(unsigned templateId) : CFormBase(templateId) {}
    explicit CEntryTab(DialogTemplate dialogTemplate) : CFormBase(std::move(dialogTemplate)) {}

    PageBindings<Entry>& Bindings() { return bindings_; }
    const PageBindings<Entry>& Bindings() const { return bindings_; }

    virtual void ShowEntry(const Entry& entry) { bindings_.Fill(*this, entry); }
    virtual bool Validate(ValidationReport& report) const { return bindings_.Validate(*this, report); }
    virtual void Gather(Entry& entry) const { bindings_.Store(*this, entry); }
    // Tabs binding a part of the entry on their own name those controls here.
    virtual std::vector<ControlId> BoundControls() const { return bindings_.Controls(); }

private:
    PageBindings<Entry> bindings_;
};

template <class Entry>
class EntryTabs {
public:
    // Builds the tab and adds it to the tab control, which takes the widget; the tab as its own
    // type, or nullptr (and nothing kept) when its template cannot be built.
    template <std::derived_from<CEntryTab<Entry>> Tab>
    Tab* Attach(QTabWidget& tabs, const QString& title, std::unique_ptr<Tab> tab)
    {
        Tab* attached = AttachFormTab(tabs, title, std::move(tab));
        if (attached)
            tabs_.push_back(attached);
        return attached;
    }

    int Count() const { return static_cast<int>(tabs_.size()); }
    CEntryTab<Entry>& Tab(int index) { return *tabs_.at(index); }

    void ShowEntry(const Entry& entry)
    {
        for (CEntryTab<Entry>* tab : tabs_)
            tab->ShowEntry(entry);
    }
    // Every tab's bad fields into the report; true when none was bad.
    bool Validate(ValidationReport& report) const
    {
        bool good = true;
        for (const CEntryTab<Entry>* tab : tabs_)
            good = tab->Validate(report) && good;
        return good;
    }
    void Gather(Entry& entry) const
    {
        for (const CEntryTab<Entry>* tab : tabs_)
            tab->Gather(entry);
    }
    // Each tab with its bound controls, after the host's own form.
    void AddBoundForms(std::vector<BoundForm>& forms) const
    {
        for (const CEntryTab<Entry>* tab : tabs_)
            forms.push_back({tab, tab->BoundControls()});
    }

private:
    std::vector<CEntryTab<Entry>*> tabs_; // owned by their tab control
};
