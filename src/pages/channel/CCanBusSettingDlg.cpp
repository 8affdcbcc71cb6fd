#include "CCanBusSettingDlg.h"

#include "CDataCenter.h"
#include "ChannelRules.h"
#include "ConfigFiles.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "TypeIds.h"
#include "ValidationLines.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <limits>

using namespace CanPage;

namespace {

const QString kSection = QStringLiteral("CAN");
const QString kNamesKey = QStringLiteral("BaudRateCombo");
const QString kRatesKey = QStringLiteral("BaudRateValue");
const QString kRangeKey = QStringLiteral("BaudRateRange");
const QString kRangeFormat = QStringLiteral("bits/sec (%d-%d)");
const QString kHexFormat = QStringLiteral("0x%X");
const QString kPortTitle = QStringLiteral("Port");
const QStringList kColumnTitles = {QStringLiteral("Baudrate"), QStringLiteral("ACC Code"), QStringLiteral("ACC Mask")};
constexpr int kPortColumnWidth = 40;
constexpr SettingTriple kBuiltInRange{10000, 10000, 1000000};

QString hexText(quint32 value)
{
    return QString::number(value, 16).toUpper();
}

} // namespace

CCanBusSettingDlg::CCanBusSettingDlg(IPageHost* host)
    : CChannelPageBase(kTemplate, host, {.channelList = kListPorts, .apply = kButtonApply}, ChannelType::CanPort)
{
    SetFirstColumnWidth(kPortColumnWidth);
}

bool CCanBusSettingDlg::OnInitDialog()
{
    CChannelPageBase::OnInitDialog();
    rateNames_ = ChannelRules::ReadNames(kSection, kNamesKey);
    for (const QString& rate : ChannelRules::ReadNames(kSection, kRatesKey).mid(0, kMaximumRates))
        rates_.append(quint32(ParseLeadingInt64(rate)));
    if (auto* combo = item<QComboBox>(kComboBaudRate))
        combo->addItems(rateNames_);
    for (int id : {int(kEditTypedRate), int(kEditAccCode), int(kEditAccMask)})
        if (auto* edit = item<QLineEdit>(id))
            edit->setMaxLength(kEditLength);
    OnUserChange(kComboBaudRate, [this] { onBaudRateChanged(); });
    return true;
}

QList<ChannelColumn> CCanBusSettingDlg::ChannelColumns() const
{
    QList<ChannelColumn> columns;
    for (const QString& title : kColumnTitles)
        columns.append({title});
    return columns;
}

QString CCanBusSettingDlg::FirstColumnTitle() const
{
    return kPortTitle;
}

bool CCanBusSettingDlg::CopyRecord(const CDataCenter& model)
{
    return model.GetCanSetting(Slot(), record_) != 0;
}

const std::vector<TagDefinition>& CCanBusSettingDlg::TagDefinitions(int port) const
{
    return record_.Ports.at(size_t(port)).TagDefinitions;
}

QStringList CCanBusSettingDlg::ChannelRowTexts(int port) const
{
    const CanPortSettingBlock& setting = record_.Ports.at(size_t(port)).Setting;
    const quint32 rate =
        setting.BaudrateIndex == kTypedRateItem ? setting.Baudrate : listedRate(int(setting.BaudrateIndex));
    return {QString::number(rate), FormatText(kHexFormat, {setting.AccCode}),
            FormatText(kHexFormat, {setting.AccMask})};
}

quint32 CCanBusSettingDlg::listedRate(int item) const
{
    return item >= 0 && item < rates_.size() ? rates_[item] : 0;
}

void CCanBusSettingDlg::OnModelKeyChanged()
{
    const SettingTriple range =
        ParseSettingTriple(ChannelRules::ReadModelKeyed(kSection, kRangeKey, ModelKey()), kBuiltInRange);
    rangeMinimum_ = range.minimum;
    rangeMaximum_ = range.maximum;
}

void CCanBusSettingDlg::FillPageControls()
{
    setItemText(kLabelRateRange, FormatText(kRangeFormat, {rangeMinimum_, rangeMaximum_}));
}

void CCanBusSettingDlg::ShowChannelEditors(int port)
{
    const CanPortSettingBlock& setting = record_.Ports.at(size_t(port)).Setting;
    enableItem(kButtonApply, true);
    setItemText(kEditAccCode, hexText(setting.AccCode));
    setItemText(kEditAccMask, hexText(setting.AccMask));
    item<QComboBox>(kComboBaudRate)->setCurrentIndex(int(setting.BaudrateIndex));
    const bool typed = setting.BaudrateIndex == kTypedRateItem;
    enableItem(kEditTypedRate, typed);
    setItemText(kEditTypedRate, QString::number(typed ? setting.Baudrate : listedRate(int(setting.BaudrateIndex))));
}

void CCanBusSettingDlg::onBaudRateChanged()
{
    const int chosen = item<QComboBox>(kComboBaudRate)->currentIndex();
    const bool typed = chosen == kTypedRateItem;
    enableItem(kEditTypedRate, typed);
    if (!typed)
        setItemText(kEditTypedRate, QString::number(listedRate(chosen)));
}

bool CCanBusSettingDlg::CheckEditors()
{
    ValidationLines lines;
    const int chosen = item<QComboBox>(kComboBaudRate)->currentIndex();
    if (chosen == kTypedRateItem) {
        const qint64 typed =
            std::clamp<qint64>(ParseLeadingInt64(itemText(kEditTypedRate)), 0, std::numeric_limits<quint32>::max());
        const quint32 corrected = ChannelRules::NearestCanBaudRate(quint32(typed));
        if (corrected != quint32(typed)) {
            setItemText(kEditTypedRate, QString::number(corrected));
            lines.Add(FormatLangString(kStringRateCorrected, typed, corrected));
        }
    } else if (chosen < 0 || chosen >= rates_.size()) {
        lines.Add(LoadLangString(kStringRateNotListed)); // no rate to store for the item
    }
    if (!ChannelRules::ParseHexField(itemText(kEditAccCode)))
        lines.Add(LoadLangString(kStringCodeInvalid));
    if (!ChannelRules::ParseHexField(itemText(kEditAccMask)))
        lines.Add(LoadLangString(kStringMaskInvalid));
    return !lines.ShowIfAny();
}

bool CCanBusSettingDlg::ReadEditors(int port)
{
    CanPortSettingBlock& setting = record_.Ports.at(size_t(port)).Setting;
    const int chosen = item<QComboBox>(kComboBaudRate)->currentIndex();
    setting.BaudrateIndex = quint32(chosen);
    setting.Baudrate =
        chosen == kTypedRateItem ? quint32(ParseLeadingInt64(itemText(kEditTypedRate))) : listedRate(chosen);
    setting.AccCode = ChannelRules::ParseHexField(itemText(kEditAccCode)).value_or(0);
    setting.AccMask = ChannelRules::ParseHexField(itemText(kEditAccMask)).value_or(0);
    return true;
}

void CCanBusSettingDlg::WriteChannel(CDataCenter& model, int port)
{
    model.SetCanPortSetting(Slot(), port, record_.Ports.at(size_t(port)).Setting);
}
