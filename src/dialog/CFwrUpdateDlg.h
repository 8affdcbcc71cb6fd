#pragma once
// The firmware panel: the controller's modules (from its information file), the modules of a
// chosen firmware file with a tick each, and the assembly of the ticked modules into one file.

#include "COperationPanel.h"
#include "FirmwareFile.h"

#include <QList>
#include <QStringList>

#include <vector>

class CFwrUpdateDlg : public COperationPanel {
    Q_OBJECT
public:
    CFwrUpdateDlg(int commandId, int width, int height, QWidget* toolDialog);

    // The controller's modules from the information file; the reader's result.
    int FillControllerModules(const QString& infoFilePath);
    // The browse button: a file chooser, then LoadFirmwareFile.
    void OnBrowseFirmwareFile();
    // Reads the file's modules into the list; false (list empty) when it cannot be read.
    bool LoadFirmwareFile(const QString& path);

    // The module indices of the ticked rows, in list order (with the rescue and group members).
    QList<int> ChosenModules() const;
    // Assembles the ticked modules in the private temporary folder; the path, or empty when
    // nothing is ticked or the file cannot be written.
    QString BuildChosenFirmware() const;

    QStringList RowTexts() const;
    void SetRowTicked(int row, bool ticked);
    void TickAll(bool ticked);
    bool IsCurrentFormat() const { return currentFormat_; }
    const std::vector<FirmwareModuleRecord>& records() const { return records_; }

protected:
    bool OnInitDialog() override;

private:
    struct Row {
        int first = -1;
        int second = -1;
        QList<int> groupMembers;
    };
    void AddRow(const QString& text, Row row, bool ticked);
    void FillRows();
    void ClearFile();

    FirmwareHeaderWords words_{};
    std::vector<FirmwareModuleRecord> records_;
    bool currentFormat_ = false;
    QList<Row> rows_;
    int rescueIndex_ = -1;
};
