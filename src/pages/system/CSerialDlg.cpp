#include "CSerialDlg.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "LanguagePack.h"
#include "ListColumns.h"
#include "ListPageStrings.h"
#include "ListRows.h"
#include "MessageBoxService.h"
#include "PageConversions.h"
#include "TextFormat.h"
#include "ValidationReport.h"

#include <QComboBox>

namespace {

constexpr const char* kSection = "Serial";
// Data bit counts the ports do not offer; the stored value still indexes the full list.
const QStringList kDataBitsLeftOut{QStringLiteral("5"), QStringLiteral("6")};
// Modes whose item number locks flow control at its first option.
constexpr int kModesWithoutFlowControl[] = {2, 3};

const QStringList kColumnTitles{QStringLiteral("Port"),        QStringLiteral("Mode"),      QStringLiteral("Baudrate"),
                                QStringLiteral("Parity"),      QStringLiteral("Data Bits"), QStringLiteral("Stop Bits"),
                                QStringLiteral("Flow Control")};

QStringList options(const char* key)
{
    return OptionList(QString::fromUtf8(kSection), QString::fromUtf8(key));
}

// Mode item i carries "ModeVal" item i as its number.
AsItemData modes()
{
    const QStringList texts = options("Mode");
    const QStringList numbers = options("ModeVal");
    AsItemData items;
    for (int i = 0; i < texts.size(); ++i)
        items.items.append({texts[i], numbers.value(i).toInt()});
    return items;
}

// Each offered data bit count carries its position in the full list.
AsItemData dataBits()
{
    const QStringList texts = options("DataBits");
    AsItemData items;
    for (int i = 0; i < texts.size(); ++i) {
        if (!kDataBitsLeftOut.contains(texts[i]))
            items.items.append({texts[i], i});
    }
    return items;
}

} // namespace

CSerialDlg::CSerialDlg(IPageHost* host) : CPropertyUIDialog(kTemplateId, host)
{
    bindings_.Bind(kComboMode, "Mode", &SerialPortSettingBlock::Mode, modes())
        .Bind(kComboBaudrate, "Baudrate", &SerialPortSettingBlock::Baudrate, AsIndex{options("Baudrate")})
        .Bind(kComboParity, "Parity", &SerialPortSettingBlock::Parity, AsIndex{options("Parity")})
        .Bind(kComboDataBits, "Data Bits", &SerialPortSettingBlock::Databit, dataBits())
        .Bind(kComboStopBits, "Stop Bits", &SerialPortSettingBlock::Stopbit, AsIndex{options("StopBits")})
        .Bind(kComboFlowControl, "Flow Control", &SerialPortSettingBlock::FlowControl, AsIndex{options("FlowControl")});
}

CListCtrlEx* CSerialDlg::list() const
{
    return hasControl(kListPorts) ? qobject_cast<CListCtrlEx*>(control(kListPorts)) : nullptr;
}

bool CSerialDlg::OnInitDialog()
{
    LayoutListPage({.list = kListPorts, .rightButton = kButtonApply});
    if (CListCtrlEx* ports = list()) {
        InsertNumberedColumns(*ports, kColumnTitles);
        QObject::connect(ports, &CListCtrlEx::itemSelectionChanged, this, [this] { onSelectionChanged(); });
    }
    {
        BusyGuard busy(Busy());
        bindings_.Fill(*this, SerialPortSettingBlock{}); // the lists, before any port is shown
    }
    OnUserChange(kComboMode, [this] { applyModeRule(); });
    onClicked(kButtonApply, [this] { Apply(); });
    return true;
}

void CSerialDlg::OnPageShown()
{
    SetMainListId(kListPorts);
    readRecord();
    refillList();
    SelectFirstListItem(kListPorts);
    showPort(0);
}

void CSerialDlg::readRecord()
{
    record_ = {};
    if (const CDataCenter* model = GetDataCenter())
        model->GetSerialSetting(GetNodeInfo().slotIndex, record_);
}

void CSerialDlg::refillList()
{
    CListCtrlEx* ports = list();
    if (!ports)
        return;
    BusyGuard busy(Busy());
    const int count = std::min<int>(record_.ChannelCount, static_cast<int>(record_.Ports.size()));
    FillNumberedRows(*ports, count, [this](int row) {
        return bindings_.ColumnTexts(
            {kComboMode, kComboBaudrate, kComboParity, kComboDataBits, kComboStopBits, kComboFlowControl},
            record_.Ports[row].Setting);
    });
}

void CSerialDlg::refreshRow(int row)
{
    CListCtrlEx* ports = list();
    if (!ports || row < 0 || row >= static_cast<int>(record_.Ports.size()))
        return;
    const QStringList texts = bindings_.ColumnTexts(
        {kComboMode, kComboBaudrate, kComboParity, kComboDataBits, kComboStopBits, kComboFlowControl},
        record_.Ports[row].Setting);
    for (int column = 0; column < texts.size(); ++column)
        ports->SetItemText(row, column + 1, texts[column]);
}

void CSerialDlg::showPort(int row)
{
    if (row < 0 || row >= static_cast<int>(record_.Ports.size()))
        return;
    BusyGuard busy(Busy());
    enableItem(kButtonApply, true);
    bindings_.Fill(*this, record_.Ports[row].Setting);
    applyModeRule();
}

void CSerialDlg::onSelectionChanged()
{
    CListCtrlEx* ports = list();
    if (IsBusy() || !ports)
        return;
    const QList<int> rows = ports->GetSelectedRows();
    if (rows.size() == 1)
        showPort(rows.first());
}

void CSerialDlg::applyModeRule()
{
    auto* mode = item<QComboBox>(kComboMode);
    auto* flow = item<QComboBox>(kComboFlowControl);
    if (!mode || !flow)
        return;
    const int number = mode->currentIndex() >= 0 ? mode->currentData().toInt() : -1;
    const bool locked = std::find(std::begin(kModesWithoutFlowControl), std::end(kModesWithoutFlowControl), number) !=
                        std::end(kModesWithoutFlowControl);
    if (locked)
        flow->setCurrentIndex(0);
    flow->setEnabled(!locked);
}

bool CSerialDlg::Apply()
{
    CDataCenter* model = GetDataCenter();
    CListCtrlEx* ports = list();
    if (!model || !ports)
        return false;
    QList<int> rows = ports->GetSelectedRows();
    if (rows.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringNoEntrySelected), MB_OK | MB_ICONWARNING);
        return false;
    }
    ValidationReport report;
    if (!bindings_.Validate(*this, report)) {
        report.ShowIfAny();
        return false;
    }
    std::sort(rows.begin(), rows.end());
    const int slot = GetNodeInfo().slotIndex;
    for (int row : rows) {
        if (row >= static_cast<int>(record_.Ports.size()))
            continue;
        SerialPortSettingBlock block = record_.Ports[row].Setting; // keeps the service use
        bindings_.Store(*this, block);
        model->SetSerialSetting(slot, row, block);
        readRecord();
        refreshRow(row);
        AddLogLine(FormatLangString(kStringEntryModified, GetNodeInfo().shownText, row + 1));
    }
    return true;
}
