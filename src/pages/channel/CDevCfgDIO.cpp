#include "CDevCfgDIO.h"

#include "CDataCenter.h"
#include "LanguagePack.h"
#include "TextFormat.h"
#include "TypeIds.h"

#include <QComboBox>

using namespace DIOPage;

namespace {

constexpr unsigned kColumnStrings[] = {738, 739, 740, 794, 741, 742, 743};
constexpr int kColumnExtras[] = {0, 21, 10, 10, 10, 10, 10};
constexpr int kFirstColumnWidth = 60;
constexpr int kFilterColumn = 2;
const QString kFilterColumnFormat = QStringLiteral("%s (%s)");
const QString kFilterColumnTitle = QStringLiteral("Digit Filter");
const QStringList kDirections = {QStringLiteral("DI"), QStringLiteral("DO")};
const QString kOutputSection = QStringLiteral("DO");
const QString kModeKey = QStringLiteral("Mode");
constexpr int kTriggerMode = 1;
constexpr int kMeasuringMode = 2;

const QList<int> kInputControls = {kEditFilter,   kLabelFilter,      kLabelFilterRange, kLabelTrigger,
                                   kComboTrigger, kLabelMeasurement, kEditMeasurement,  kLabelMeasurementRange};
const QList<int> kOutputControls = {kLabelStatus,         kComboStatus, kLabelFrequency, kEditFrequency,
                                    kLabelFrequencyRange, kLabelDuty,   kEditDuty,       kLabelDutyRange};

} // namespace

CDevCfgDIO::CDevCfgDIO(IPageHost* host)
    : CChannelPageBase(kTemplate, host,
                       {.channelList = kListChannels,
                        .apply = kButtonApply,
                        .mode = kComboMode,
                        .tagGroupBox = kGroupTags,
                        .tagList = kListTags},
                       ChannelType::DigitalInputOutput),
      input_(*this, {.mode = kComboMode,
                     .filter = kEditFilter,
                     .filterLabel = kLabelFilter,
                     .filterRange = kLabelFilterRange,
                     .trigger = kComboTrigger,
                     .measurement = kEditMeasurement,
                     .measurementRange = kLabelMeasurementRange}),
      output_(*this,
              {.mode = kComboMode,
               .status = kComboStatus,
               .pulse = {kEditFrequency, kEditDuty, kLabelFrequencyRange, kLabelDutyRange}},
              kOutputSection)
{
    SetFirstColumnWidth(kFirstColumnWidth);
    Modes() = input_.ModeTable(0);
}

bool CDevCfgDIO::OnInitDialog()
{
    CChannelPageBase::OnInitDialog();
    if (auto* direction = item<QComboBox>(kComboDirection))
        direction->addItems(kDirections);
    input_.LoadModeNames();
    outputModeNames_ = ChannelRules::ReadNames(kOutputSection, kModeKey);
    output_.Pulse().LoadFrequencyRange(QString());
    output_.Pulse().Reset();
    OnUserChange(kComboDirection, [this] { onDirectionChanged(); });
    CheckOnFocusLoss(kEditFrequency, [this] { return output_.Pulse().CheckFrequency(); });
    CheckOnFocusLoss(kEditDuty, [this] { return output_.Pulse().CheckDuty(); });
    return true;
}

QList<ChannelColumn> CDevCfgDIO::ChannelColumns() const
{
    return ChannelColumnsOf(kColumnStrings, kColumnExtras);
}

bool CDevCfgDIO::CopyRecord(const CDataCenter& model)
{
    return model.GetDIOSetting(Slot(), record_) != 0;
}

const std::vector<TagDefinition>& CDevCfgDIO::TagDefinitions(int channel) const
{
    return record_.Channels.at(size_t(channel)).TagDefinitions;
}

int CDevCfgDIO::StoredMode(int channel) const
{
    const DIOChannel& entry = record_.Channels.at(size_t(channel));
    return entry.IODirection == kDirectionDO ? entry.Setting.DO.Mode : entry.Setting.DI.DI_Mode;
}

int CDevCfgDIO::StoredModeKey(int channel) const
{
    const DIOChannel& entry = record_.Channels.at(size_t(channel));
    return entry.IODirection == kDirectionDO ? kOutputKeyOffset + entry.Setting.DO.Mode : entry.Setting.DI.DI_Mode;
}

QStringList CDevCfgDIO::ChannelRowTexts(int channel) const
{
    const DIOChannel& entry = record_.Channels.at(size_t(channel));
    if (entry.IODirection == kDirectionDO) {
        const auto texts = DigitalOutputEditors::TextsOf(entry.Setting.DO, outputModeNames_);
        return {texts.mode, {}, {}, {}, texts.status, texts.frequency, texts.duty};
    }
    const DISettingBlock& input = entry.Setting.DI;
    return {input_.ModeNames().value(input.DI_Mode),
            QString::number(input.Filter),
            input.DI_Mode == kTriggerMode ? input_.TriggerText(input.Trigger) : QString(),
            input.DI_Mode == kMeasuringMode ? QString::number(input.Measurement_Time) : QString(),
            {},
            {},
            {}};
}

void CDevCfgDIO::OnModelKeyChanged()
{
    input_.LoadMeasurementRange(ModelKey());
    output_.Pulse().LoadFrequencyRange(ModelKey());
}

void CDevCfgDIO::FillPageControls()
{
    input_.SetFilter(record_.FilterUnit, record_.FilterRange);
    RenameChannelColumn(kFilterColumn, FormatText(kFilterColumnFormat, {kFilterColumnTitle, input_.FilterUnit()}));
    input_.FillControls();
    output_.Pulse().ShowFrequencyRange();
    output_.FillStatus();
    enableItem(kComboDirection, true);
    useDirection(kDirectionDI);
}

int CDevCfgDIO::shownDirection() const
{
    return item<QComboBox>(kComboDirection)->currentIndex() == kDirectionDO ? kDirectionDO : kDirectionDI;
}

void CDevCfgDIO::useDirection(int direction)
{
    item<QComboBox>(kComboDirection)->setCurrentIndex(direction);
    if (direction == kDirectionDO) {
        Modes() = ChannelModeTable()
                      .Mode(0, kOutputKeyOffset, {kComboStatus})
                      .OtherModesKeyedByMode(kOutputKeyOffset, {kEditFrequency, kEditDuty});
    } else {
        Modes() = input_.ModeTable(0);
    }
    auto* mode = item<QComboBox>(kComboMode);
    mode->clear();
    mode->addItems(direction == kDirectionDO ? outputModeNames_ : input_.ModeNames());
    for (int id : kInputControls)
        showItem(id, direction == kDirectionDI);
    for (int id : kOutputControls)
        showItem(id, direction == kDirectionDO);
}

void CDevCfgDIO::ShowChannelEditors(int channel)
{
    const DIOChannel& entry = record_.Channels.at(size_t(channel));
    enableItem(kComboDirection, true);
    useDirection(entry.IODirection == kDirectionDO ? kDirectionDO : kDirectionDI);
    if (entry.IODirection == kDirectionDO)
        output_.Show(entry.Setting.DO);
    else
        input_.Show(entry.Setting.DI);
}

void CDevCfgDIO::ResetEditors()
{
    useDirection(kDirectionDI);
    input_.Reset();
    output_.Reset();
}

void CDevCfgDIO::onDirectionChanged()
{
    BusyGuard busy(Busy());
    const int direction = shownDirection();
    useDirection(direction);
    if (direction == kDirectionDO)
        output_.Reset();
    else
        input_.Reset();
    ApplyModeEditors();
    FillTagList();
}

void CDevCfgDIO::OnModeEditors(int mode)
{
    if (shownDirection() == kDirectionDI)
        input_.OnMode(mode);
}

bool CDevCfgDIO::CheckEditors()
{
    return shownDirection() == kDirectionDI ? input_.CheckFilter() : output_.Pulse().CheckOnApply();
}

bool CDevCfgDIO::ReadEditors(int channel)
{
    DIOChannel& entry = record_.Channels.at(size_t(channel));
    if (shownDirection() == kDirectionDI) {
        if (!input_.Read(entry.Setting.DI))
            return false;
        entry.IODirection = kDirectionDI;
        return true;
    }
    output_.Read(entry.Setting.DO);
    entry.IODirection = kDirectionDO;
    return true;
}

void CDevCfgDIO::WriteChannel(CDataCenter& model, int channel)
{
    const DIOChannel& entry = record_.Channels.at(size_t(channel));
    model.SetDIOSetting(Slot(), channel, entry.IODirection, entry.Setting);
}

bool CDevCfgDIO::IsTagListed(const TagDefinition& definition) const
{
    return (definition.ChMode >= kOutputKeyOffset) == (shownDirection() == kDirectionDO);
}
