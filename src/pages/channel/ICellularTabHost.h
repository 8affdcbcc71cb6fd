#pragma once
// What the cellular settings page offers its two tab pages (CCellularSettingPage,
// CCellularReconnectionPage): the model key of the module in its slot, which selects the band
// list, and the notice of each change the user makes in a tab.

#include <QString>

class ICellularTabHost {
public:
    virtual ~ICellularTabHost() = default;
    virtual QString GetModelKey() const = 0;
    // One call per user change in a tab.
    virtual void NotifyTabChange() = 0;
};
