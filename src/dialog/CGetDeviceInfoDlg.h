#pragma once
// The list panel of the tool dialog: device information lines, IEC resource states, or the
// controller's log settings with an in-place Enable/Disable choice (at most six service logs
// enabled); a save button copies the information file elsewhere.

#include "COperationPanel.h"

#include <QStringList>

#include <cstdint>
#include <vector>

class CListCtrlEx;

inline constexpr std::uint32_t kLogStateEnabled = 2;
inline constexpr std::uint32_t kLogStateDisabled = 0;
inline constexpr std::uint16_t kSystemLogType = 65535;
inline constexpr int kMaxEnabledServiceLogs = 6;

struct LogSettingEntry {
    std::uint16_t type = 0;
    std::uint32_t state = kLogStateDisabled;
};

class CGetDeviceInfoDlg : public COperationPanel {
    Q_OBJECT
public:
    CGetDeviceInfoDlg(int commandId, int width, int height, QWidget* toolDialog);

    void SetInfoFilePath(const QString& path) { infoFilePath_ = path; }
    const QString& infoFilePath() const { return infoFilePath_; }
    // The columns for the command, once.
    void SetupColumns();
    void SetLines(const QStringList& lines);
    void FillLogSettings(const std::vector<LogSettingEntry>& entries);
    const std::vector<LogSettingEntry>& logSettings() const { return logSettings_; }

    // A click on a cell: for the log settings' state column the choice is placed over the cell.
    void OnListClick(int row, int column);
    // The choice lost its focus: the chosen state is taken, unless it would enable a seventh log.
    void OnLogChoiceDone();
    void OnLogChoiceClosed();
    void OnSaveInfoFile();

    CListCtrlEx* list() const;

protected:
    bool OnInitDialog() override;

private:
    int EnabledServiceLogs() const;

    QString infoFilePath_;
    std::vector<LogSettingEntry> logSettings_;
    int editRow_ = -1;
    int editColumn_ = -1;
};
