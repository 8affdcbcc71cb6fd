#pragma once
// The controller's log settings as the project keeps them: where the system log is stored, the
// level of the system log and of each service's log, and a debug flag per log. Rows of services
// the product lacks are hidden but keep their values. At most six service debug flags at once.

#include "CSettingsPage.h"
#include "ControlId.h"
#include "ProjectRecords.h"

#include <array>

class CSystemLogOfflineSettingDlg : public CSettingsPage<LogEnableTable> {
public:
    static constexpr unsigned kTemplateId = 154;
    // Language-pack strings.
    static constexpr unsigned kStringStorageOff = 774;
    static constexpr unsigned kStringStorageOn = 775;
    static constexpr unsigned kStringLevelLow = 776;
    static constexpr unsigned kStringLevelHigh = 777;
    static constexpr unsigned kStringTooManyDebugFlags = 795;
    // Service debug flags (entries 1 to 11) that may be on at once.
    static constexpr int kMaxServiceDebugFlags = 6;

    static constexpr ControlId kComboStorage{1190, ControlType::DropList};
    static constexpr ControlId kStaticStorage{2809, ControlType::Static};
    static constexpr ControlId kButtonApply{1120, ControlType::Button};

    // When a row is shown.
    enum class Shown { Always, WithCellular, WithRestful, WithDnp3, WithIec };
    // One row of the page: a log entry's label, debug check box and level drop-down (0: none).
    struct Row {
        int entry;
        ControlId label;
        ControlId debugCheck;
        ControlId levelCombo;
        Shown shown;
    };
    static const std::array<Row, LogEnableTable::kEntryCount> kRows;

    explicit CSystemLogOfflineSettingDlg(IPageHost* host);

    // Every control the page reaches, for the check against the template.
    static std::vector<ControlId> Controls();

protected:
    bool OnInitDialog() override;
    LogEnableTable ReadRecord(const CDataCenter& model) const override;
    void WriteRecord(CDataCenter& model, const LogEnableTable& table) override;
    QString AppliedLogLine() const override;
    void OnRecordShown() override;

private:
    void onApply();
    bool isRowShown(Shown shown) const;
    static bool isServiceEntry(int entry);
};
