#include "CFwrUpdateDlg.h"

#include "CListCtrlEx.h"
#include "CUpdateDlg.h"
#include "ColumnWidthFit.h"
#include "DeviceDialogIds.h"
#include "DeviceInfoLists.h"
#include "LanguagePack.h"
#include "PrivateTempFolder.h"
#include "ResultCodes.h"

#include <QFile>
#include <QTreeWidget>

namespace {

constexpr int kSystemPrefixLength = 6;
constexpr int kSystemNameSkip = 7;
constexpr int kNameLimit = 63;
constexpr int kMaxGroupMembers = 2;
constexpr const char* kKernelName = "KERNEL";
constexpr const char* kRootFsName = "ROOTFS";
constexpr const char* kRescueName = "RESCUE";

bool startsWith(const QByteArray& name, const char* prefix)
{
    return name.left(kSystemPrefixLength) == QByteArray(prefix);
}

} // namespace

CFwrUpdateDlg::CFwrUpdateDlg(int commandId, int width, int height, QWidget* toolDialog)
    : COperationPanel(kTemplateFirmwareUpdate, commandId, width, height, toolDialog)
{}

bool CFwrUpdateDlg::OnInitDialog()
{
    if (auto* list = item<CListCtrlEx>(kListDeviceModules)) {
        list->InsertColumn(0, LoadLangString(kStringModuleColumn), 0);
        FitColumnsToWidth(*list, {{.share = 1}});
    }
    const unsigned caption =
        commandId() == kCmdModuleFirmware ? kStringCaptionModuleFirmware : kStringCaptionFileProcessing;
    setItemText(kStaticPanelCaption, LoadLangString(caption));
    onClicked(kButtonBrowseFile, [this] { OnBrowseFirmwareFile(); });
    return true;
}

int CFwrUpdateDlg::FillControllerModules(const QString& infoFilePath)
{
    QStringList lines;
    const int result = ReadModuleFirmwareList(infoFilePath, lines);
    if (auto* list = item<CListCtrlEx>(kListDeviceModules)) {
        list->DeleteAllItems();
        for (const QString& line : lines)
            list->InsertItem(list->GetItemCount(), line);
    }
    return result;
}

void CFwrUpdateDlg::OnBrowseFirmwareFile()
{
    const QString path = CUpdateDlg::BrowseForFile(commandId(), itemText(kEditFilePath));
    if (path.isEmpty())
        return;
    setItemText(kEditFilePath, path);
    LoadFirmwareFile(path);
}

void CFwrUpdateDlg::ClearFile()
{
    records_.clear();
    words_ = {};
    rows_.clear();
    rescueIndex_ = -1;
    if (auto* list = item<QTreeWidget>(kListFirmwareModules))
        list->clear();
}

bool CFwrUpdateDlg::LoadFirmwareFile(const QString& path)
{
    ClearFile();
    std::uint32_t version = 0;
    std::uint32_t count = 0;
    if (GetFirmwareFormatVersion(path, version) != kFirmwareResultOk)
        return false;
    currentFormat_ = version == kFirmwareFormatCurrent;
    const int result = currentFormat_ ? (GetFirmwareModuleCount(path, count) == kFirmwareResultOk
                                             ? ReadFirmwareModuleHeaders(path, count, words_, records_)
                                             : kFirmwareResultFailed)
                                      : (GetLegacyFirmwareModuleCount(path, count) == kFirmwareResultOk
                                             ? ReadLegacyFirmwareModuleHeaders(path, count, records_)
                                             : kFirmwareResultFailed);
    if (result != kFirmwareResultOk) {
        ClearFile();
        return false;
    }
    FillRows();
    return true;
}

void CFwrUpdateDlg::AddRow(const QString& text, Row row, bool ticked)
{
    rows_.append(std::move(row));
    if (auto* list = item<QTreeWidget>(kListFirmwareModules)) {
        auto* entry = new QTreeWidgetItem(list, {text});
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }
}

// First the controller system (kernel and root file system) as one ticked row, then every other
// module; the rescue system is kept for the first row, grouped modules share the first one's row.
void CFwrUpdateDlg::FillRows()
{
    Row system;
    for (int i = 0; i < static_cast<int>(records_.size()); ++i) {
        if (system.first < 0 && startsWith(records_[i].name, kKernelName))
            system.first = i;
        else if (system.second < 0 && startsWith(records_[i].name, kRootFsName))
            system.second = i;
    }
    if (system.first >= 0 || system.second >= 0) {
        const int shown = (system.first >= 0 && system.second >= 0) ? std::min(system.first, system.second)
                                                                    : std::max(system.first, system.second);
        FirmwareModuleRecord named = records_[static_cast<size_t>(shown)];
        named.name = named.name.left(kNameLimit).mid(kSystemNameSkip);
        AddRow(FormatModuleVersion(named), system, true);
    }
    int groupRow = -1;
    for (int i = 0; i < static_cast<int>(records_.size()); ++i) {
        if (i == system.first || i == system.second)
            continue;
        const QString text = FormatModuleVersion(records_[i]);
        if (currentFormat_ && text.contains(QLatin1String(kRescueName))) {
            rescueIndex_ = i;
            continue;
        }
        if (records_[i].valueC == kFirmwareGroupMark) {
            if (groupRow < 0) {
                groupRow = rows_.size();
                AddRow(text, Row{i, -1, {}}, false);
            } else if (rows_[groupRow].groupMembers.size() < kMaxGroupMembers) {
                rows_[groupRow].groupMembers.append(i);
            }
            continue;
        }
        AddRow(text, Row{i, -1, {}}, false);
    }
}

QStringList CFwrUpdateDlg::RowTexts() const
{
    QStringList texts;
    if (const auto* list = item<QTreeWidget>(kListFirmwareModules))
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts.append(list->topLevelItem(i)->text(0));
    return texts;
}

void CFwrUpdateDlg::SetRowTicked(int row, bool ticked)
{
    if (auto* list = item<QTreeWidget>(kListFirmwareModules))
        if (QTreeWidgetItem* entry = list->topLevelItem(row))
            entry->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}

void CFwrUpdateDlg::TickAll(bool ticked)
{
    for (int row = 0; row < rows_.size(); ++row)
        SetRowTicked(row, ticked);
}

QList<int> CFwrUpdateDlg::ChosenModules() const
{
    QList<int> chosen;
    const auto* list = item<QTreeWidget>(kListFirmwareModules);
    if (!list)
        return chosen;
    for (int row = 0; row < rows_.size() && row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->checkState(0) != Qt::Checked)
            continue;
        const Row& entry = rows_[row];
        for (const int index : {entry.first, entry.second})
            if (index != -1)
                chosen.append(index);
        if (row == 0 && currentFormat_ && rescueIndex_ >= 0)
            chosen.append(rescueIndex_);
        for (const int member : entry.groupMembers)
            if (member > 0)
                chosen.append(member);
    }
    return chosen;
}

QString CFwrUpdateDlg::BuildChosenFirmware() const
{
    const QString path = PrivateTempFile(QString::fromLatin1(kChosenFirmwareFileName));
    if (path.isEmpty())
        return {};
    QFile::remove(path);
    const QList<int> chosen = ChosenModules();
    if (chosen.isEmpty() || !currentFormat_)
        return {};
    return BuildFirmwareFile(path, words_, chosen, records_) == kFirmwareResultOk ? path : QString();
}
