#pragma once
// The controller's clock: its time zone, the interval at which it synchronises, and the time
// servers. Add and Modify store the zone and the interval first; Add, Modify and Delete change the
// model's server list at once.

#include "CListDetailPage.h"
#include "ConfigFiles.h"
#include "ControlId.h"

#include <QString>

// One time server of the list.
struct TimeServerEntry {
    QString Server;
    friend bool operator==(const TimeServerEntry&, const TimeServerEntry&) = default;
};

class CTimeSettingDlg : public CListDetailPage<TimeServerEntry> {
public:
    static constexpr unsigned kTemplateId = 201;
    // Language-pack strings.
    static constexpr unsigned kStringFirstTimeZone = 241; // zone i: 241 + i, 34 and 35 exchanged
    static constexpr unsigned kStringServerNote = 607;
    static constexpr unsigned kStringServersChanged = 629; // node name
    static constexpr unsigned kStringServerColumn = 631;
    static constexpr unsigned kStringTimeZoneStored = 655; // node name
    static constexpr int kTimeZoneCount = 63;
    static constexpr int kDefaultTimeZone = 22;
    // The service-table entry the page switches on whenever it is shown.
    static constexpr int kTimeService = 133;

    static constexpr ControlId kListServers{3536, ControlType::List};
    static constexpr ControlId kLabelServer{3021, ControlType::Static};
    static constexpr ControlId kEditServer{2856, ControlType::Edit};
    static constexpr ControlId kLabelInterval{3024, ControlType::Static};
    static constexpr ControlId kEditInterval{2858, ControlType::Edit};
    static constexpr ControlId kStaticIntervalRange{3248, ControlType::Static};
    static constexpr ControlId kComboTimeZone{3522, ControlType::DropList};
    static constexpr ControlId kStaticNote{2682, ControlType::Static};
    static constexpr ControlId kButtonAdd{3104, ControlType::Button};
    static constexpr ControlId kButtonModify{3107, ControlType::Button};
    static constexpr ControlId kButtonDelete{3109, ControlType::Button};
    static constexpr ControlId kControls[] = {kListServers,  kLabelServer,         kEditServer,    kLabelInterval,
                                              kEditInterval, kStaticIntervalRange, kComboTimeZone, kStaticNote,
                                              kButtonAdd,    kButtonModify,        kButtonDelete};

    explicit CTimeSettingDlg(IPageHost* host);

    // The string shown at a position of the time-zone list.
    static unsigned TimeZoneStringId(int position);

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
    std::vector<TimeServerEntry> ReadEntries(const CDataCenter& model) const override;
    void WriteEntries(CDataCenter& model, const std::vector<TimeServerEntry>& servers) override;
    QStringList RowTexts(const TimeServerEntry& entry) const override { return {entry.Server}; }
    void CheckEntry(const TimeServerEntry& entry, int row, ValidationReport& report) const override;

private:
    void onAdd();
    void onModify();
    void storeTimeZone();
    // The interval into the model when it lies in its range; false after the range message.
    bool storeInterval();
    void logServersChanged() const;

    SettingTriple intervalRange_;
    bool addingServer_ = false;
};
