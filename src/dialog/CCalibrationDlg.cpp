#include "CCalibrationDlg.h"

#include "CListCtrlEx.h"
#include "ColumnWidthFit.h"
#include "DeviceDialogIds.h"
#include "LanguagePack.h"
#include "ResultCodes.h"

#include <QComboBox>

namespace {

int numberOf(const QComboBox* combo)
{
    if (!combo || combo->currentIndex() < 0)
        return -1;
    bool ok = false;
    const int value = combo->currentText().toInt(&ok);
    return ok ? value : -1;
}

} // namespace

CCalibrationDlg::CCalibrationDlg(int commandId, int width, int height, QWidget* toolDialog)
    : COperationPanel(kTemplateCalibration, commandId, width, height, toolDialog)
{}

bool CCalibrationDlg::OnInitDialog()
{
    setItemText(kStaticCalibrationNotice, LoadLangString(kStringCalibrationNotice));
    if (auto* list = item<CListCtrlEx>(kListDeviceModules)) {
        list->InsertColumn(0, LoadLangString(kStringModuleColumn), 0);
        FitColumnsToWidth(*list, {{.share = 1}});
    }
    onChanged(kComboCalibrationModule, [this] { OnModuleChanged(); });
    return true;
}

void CCalibrationDlg::Fill(const CalibrationModules& modules)
{
    channelCounts_ = modules.channelCounts;
    if (auto* list = item<CListCtrlEx>(kListDeviceModules)) {
        list->DeleteAllItems();
        for (const QString& line : modules.lines)
            list->InsertItem(list->GetItemCount(), line);
    }
    if (auto* channels = item<QComboBox>(kComboCalibrationChannel))
        channels->clear();
    if (auto* choice = item<QComboBox>(kComboCalibrationModule)) {
        const QSignalBlocker quiet(choice);
        choice->clear();
        for (const int slot : modules.offeredSlots)
            choice->addItem(QString::number(slot));
        choice->setCurrentIndex(-1);
    }
}

int CCalibrationDlg::FillFromFile(const QString& path)
{
    infoFilePath_ = path;
    CalibrationModules modules;
    const int result = ReadCalibrationModules(path, modules);
    Fill(modules);
    return result;
}

void CCalibrationDlg::OnModuleChanged()
{
    auto* channels = item<QComboBox>(kComboCalibrationChannel);
    if (!channels)
        return;
    channels->clear();
    const int slot = SelectedModule();
    if (slot < 0 || slot >= kCalibrationSlotCount)
        return;
    for (int channel = 0; channel < channelCounts_[static_cast<size_t>(slot)]; ++channel)
        channels->addItem(QString::number(channel));
    channels->setCurrentIndex(-1);
}

int CCalibrationDlg::SelectedModule() const
{
    return numberOf(item<QComboBox>(kComboCalibrationModule));
}

int CCalibrationDlg::SelectedChannel() const
{
    return numberOf(item<QComboBox>(kComboCalibrationChannel));
}
