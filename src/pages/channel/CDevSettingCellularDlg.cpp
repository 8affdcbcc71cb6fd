#include "CDevSettingCellularDlg.h"

#include "CCellularReconnectionPage.h"
#include "CCellularSettingPage.h"
#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "FormTab.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QTabWidget>

#include <memory>

using namespace CellularPage;

namespace {
const QString kSettingTitle = QStringLiteral("Setting");
const QString kReconnectionTitle = QStringLiteral("Reconnection");
constexpr int kSettingTab = 0;
constexpr int kTagColumnWidth = 200;
const QString kLineBreak = QStringLiteral("\n");
} // namespace

CDevSettingCellularDlg::CDevSettingCellularDlg(IPageHost* host) : CPropertyUIDialog(kTemplate, host)
{}

bool CDevSettingCellularDlg::OnInitDialog()
{
    QTabWidget& tabs = *item<QTabWidget>(kTabs);
    setting_ = AttachFormTab(tabs, kSettingTitle, std::make_unique<CCellularSettingPage>(*this));
    reconnection_ = AttachFormTab(tabs, kReconnectionTitle, std::make_unique<CCellularReconnectionPage>(*this));
    if (!setting_ || !reconnection_)
        return false;
    if (auto* tags = item<CListCtrlEx>(kListTags)) {
        tags->InsertColumn(0, LoadLangString(kStringTagColumnName), kTagColumnWidth);
        tags->InsertColumn(1, LoadLangString(kStringTagColumnType), kTagColumnWidth);
    }
    onClicked(kButtonApply, [this] { Apply(); });
    return true;
}

void CDevSettingCellularDlg::OnPageShown()
{
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    BusyGuard busy(Busy());
    modelKey_ = model->GetSlotApid(GetNodeInfo().slotIndex);
    model->GetCellularSetting(GetNodeInfo().slotIndex, record_);
    fillTagList();
    setting_->SetFields(record_.Config);
    reconnection_->SetFields(record_.Config.AutoCheck.AutoCheckEnable, record_.Config.AutoCheck);
    item<QTabWidget>(kTabs)->setCurrentIndex(kSettingTab);
}

void CDevSettingCellularDlg::fillTagList()
{
    auto* tags = item<CListCtrlEx>(kListTags);
    tags->DeleteAllItems();
    int row = 0;
    for (const TagDefinition& definition : record_.TagDefinitions) {
        tags->InsertItem(row, definition.BoundTagName);
        tags->SetItemText(row++, 1, definition.Name);
    }
}

QStringList CDevSettingCellularDlg::failingLines(const CellularConfig& config) const
{
    QStringList lines;
    if (config.Password != setting_->GetSecondEntry())
        lines << LoadLangString(kStringPasswordsDiffer) + kLineBreak;
    if (config.APN.isEmpty())
        lines << FormatInvalidItemLine(setting_->itemText(kLabelApn));
    const CELLULAR_SETTINGS& check = config.AutoCheck;
    if (check.AutoCheckEnable) {
        using namespace CellularReconnectionTab;
        if (check.AutoCheckHostname.isEmpty())
            lines << FormatInvalidItemLine(reconnection_->itemText(kLabelAddress));
        const SettingTriple range = reconnection_->GetRetryRange();
        if (check.AutoCheckInterval < range.minimum || check.AutoCheckInterval > range.maximum)
            lines << FormatRangeErrorLine(reconnection_->itemText(kLabelInterval), quint32(range.minimum),
                                          quint32(range.maximum));
    }
    return lines;
}

bool CDevSettingCellularDlg::Apply()
{
    CellularConfig config = record_.Config;
    setting_->GetFields(config);
    reconnection_->GetFields(config.AutoCheck);
    const QStringList lines = failingLines(config);
    if (!lines.isEmpty()) {
        ShowMessageBox(lines.join(QString()), MB_OK | MB_ICONWARNING);
        return false;
    }
    record_.Config = config;
    GetDataCenter()->SetCellularConfig(GetNodeInfo().slotIndex, config);
    AddLogLine(FormatLangString(kStringApplied, GetNodeInfo().shownText));
    return true;
}
