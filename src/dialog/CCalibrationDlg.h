#pragma once
// The calibration panel: the controller's modules from its information file, the choice of a
// calibratable module (by slot) and of one of its channels.

#include "COperationPanel.h"
#include "DeviceInfoLists.h"

class CCalibrationDlg : public COperationPanel {
    Q_OBJECT
public:
    CCalibrationDlg(int commandId, int width, int height, QWidget* toolDialog);

    // Lists the modules and offers the calibratable ones.
    void Fill(const CalibrationModules& modules);
    // Reads the file and fills the panel; the reader's result.
    int FillFromFile(const QString& path);
    // The chosen slot and channel; -1 when none is chosen.
    int SelectedModule() const;
    int SelectedChannel() const;
    const QString& infoFilePath() const { return infoFilePath_; }

protected:
    bool OnInitDialog() override;

private:
    void OnModuleChanged();

    std::array<int, kCalibrationSlotCount> channelCounts_{};
    QString infoFilePath_;
};
