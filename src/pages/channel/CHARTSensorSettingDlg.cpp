#include "CHARTSensorSettingDlg.h"

#include "CListCtrlEx.h"
#include "ListRows.h"
#include "TextFormat.h"

#include <QComboBox>

#include <algorithm>

using namespace HARTSensorDialog;

namespace {

const QString kNumberFormat = QStringLiteral("%d");

// The list's columns; their titles are fixed texts of the dialog.
const QStringList kColumnTitles = {QStringLiteral("No."),         QStringLiteral("Frame Type"),
                                   QStringLiteral("Command"),     QStringLiteral("Preambles"),
                                   QStringLiteral("Address"),     QStringLiteral("Manu. ID"),
                                   QStringLiteral("Device Type"), QStringLiteral("Unique ID")};
constexpr int kNumberColumn = 0;
constexpr int kCommandColumn = 2;
constexpr int kNumberColumnWidth = 30;
constexpr int kCommandColumnWidth = 100;
constexpr int kSharedColumns = 6;
// A manufacturer id of 0 leaves the id columns empty, one of 1 the preambles column.
constexpr quint32 kNoIdsManufacturer = 0;
constexpr quint32 kNoPreamblesManufacturer = 1;

QStringList numberItems(int highest)
{
    QStringList items;
    for (int number = 0; number <= highest; ++number)
        items << QString::number(number);
    return items;
}

QString number(quint32 value)
{
    return FormatText(kNumberFormat, {value});
}

} // namespace

CHARTSensorSettingDlg::CHARTSensorSettingDlg(int channel, std::vector<HARTSensorEntry> sensors,
                                             const IHartSensorLimitSource* opener, QWidget* parent)
    : CDialogBase(kTemplate, parent), channel_(channel), sensors_(std::move(sensors)), opener_(opener), ids_(*this)
{}

CListCtrlEx* CHARTSensorSettingDlg::list() const
{
    return item<CListCtrlEx>(kListSensors);
}

bool CHARTSensorSettingDlg::OnInitDialog()
{
    insertColumns();
    fillCombos();
    ids_.TakeLimits(opener_, limits_);
    if (CListCtrlEx* rows = list())
        QObject::connect(rows, &CListCtrlEx::itemSelectionChanged, this, [this] { onSelectionChanged(); });
    onChanged(kComboFrameType, [this] { onFrameTypeChosen(); });
    onClicked(kButtonAdd, [this] { onAdd(); });
    onClicked(kButtonModify, [this] { onModify(); });
    onClicked(kButtonDelete, [this] { onDelete(); });
    onClicked(kButtonOK, [this] { OnOK(); });
    onClicked(kButtonCancel, [this] { OnCancel(); });
    return true;
}

void CHARTSensorSettingDlg::showEvent(QShowEvent* event)
{
    CDialogBase::showEvent(event);
    fitColumns();
    refill();
    selectRow(sensors_.empty() ? -1 : 0);
}

void CHARTSensorSettingDlg::resizeEvent(QResizeEvent* event)
{
    CDialogBase::resizeEvent(event);
    fitColumns();
}

void CHARTSensorSettingDlg::insertColumns()
{
    CListCtrlEx* rows = list();
    if (!rows)
        return;
    rows->setSelectionMode(QAbstractItemView::SingleSelection);
    rows->setShowGrid(true);
    for (int column = 0; column < kColumnTitles.size(); ++column)
        rows->InsertColumn(column, kColumnTitles[column], 0);
}

// "No." and "Command" are fixed; the other six share the rest.
void CHARTSensorSettingDlg::fitColumns()
{
    CListCtrlEx* rows = list();
    if (!rows)
        return;
    const int shared =
        std::max(0, (rows->viewport()->width() - kNumberColumnWidth - kCommandColumnWidth) / kSharedColumns);
    for (int column = 0; column < kColumnTitles.size(); ++column) {
        const int width = column == kNumberColumn    ? kNumberColumnWidth
                          : column == kCommandColumn ? kCommandColumnWidth
                                                     : shared;
        rows->SetColumnWidth(column, width);
    }
}

void CHARTSensorSettingDlg::fillCombos()
{
    BusyGuard busy(busy_);
    frameTypes_ = ChannelRules::ReadNames(HartSensorRules::kSection, HartSensorRules::kFrameTypeKey);
    commands_ = ChannelRules::ReadNames(HartSensorRules::kSection, HartSensorRules::kCommandKey);
    const std::pair<ControlId, QStringList> combos[] = {{kComboFrameType, frameTypes_},
                                                        {kComboAddress, numberItems(kHighestAddress)},
                                                        {kComboPreambles, numberItems(kHighestPreambles)},
                                                        {kComboCommand, commands_}};
    for (const auto& [id, items] : combos) {
        if (auto* combo = item<QComboBox>(id)) {
            combo->addItems(items);
            combo->setCurrentIndex(items.isEmpty() ? -1 : 0);
        }
    }
}

QStringList CHARTSensorSettingDlg::rowTexts(int row) const
{
    const HARTSensorEntry& sensor = sensors_.at(static_cast<size_t>(row));
    const bool showIds = sensor.ManuID != kNoIdsManufacturer;
    return {frameTypes_.value(static_cast<qsizetype>(sensor.FrameType)),
            commands_.value(static_cast<qsizetype>(sensor.Command)),
            sensor.ManuID == kNoPreamblesManufacturer ? QString() : number(sensor.Preambles),
            number(sensor.Address),
            showIds ? number(sensor.ManuID) : QString(),
            showIds ? number(sensor.DeviceType) : QString(),
            showIds ? number(sensor.UniqueID) : QString()};
}

void CHARTSensorSettingDlg::refill()
{
    if (CListCtrlEx* rows = list()) {
        BusyGuard busy(busy_);
        FillNumberedRows(*rows, static_cast<int>(sensors_.size()), [this](int row) { return rowTexts(row); });
    }
    enableItem(kButtonAdd, sensors_.size() < static_cast<size_t>(HartSensorRules::kMaximumSensors));
}

// Selects the row (none for -1) and shows what the selection shows.
void CHARTSensorSettingDlg::selectRow(int row)
{
    if (CListCtrlEx* rows = list()) {
        BusyGuard busy(busy_);
        SelectListRows(*rows, row < 0 ? QList<int>() : QList<int>{row});
    }
    onSelectionChanged();
}

int CHARTSensorSettingDlg::selectedRow() const
{
    const CListCtrlEx* rows = list();
    const int row = rows ? rows->GetFirstSelectedRow() : -1;
    return row >= 0 && static_cast<size_t>(row) < sensors_.size() ? row : -1;
}

void CHARTSensorSettingDlg::onSelectionChanged()
{
    if (busy_.IsSet())
        return;
    const int row = selectedRow();
    showSensor(row < 0 ? HartSensorRules::NewSensor(limits_) : sensors_[static_cast<size_t>(row)]);
}

// The user chose a frame type: a long frame starts from the ids' defaults.
void CHARTSensorSettingDlg::onFrameTypeChosen()
{
    if (busy_.IsSet())
        return;
    const bool shortFrame = item<QComboBox>(kComboFrameType)->currentIndex() <= kShortFrame;
    enableFrameFields(shortFrame);
    if (!shortFrame)
        ids_.ShowDefaults(limits_);
}

void CHARTSensorSettingDlg::enableFrameFields(bool shortFrame)
{
    enableItem(kLabelAddress, shortFrame);
    enableItem(kComboAddress, shortFrame);
    ids_.Enable(!shortFrame);
}

// The sensor's own ids stay in the edits whatever its frame type.
void CHARTSensorSettingDlg::showSensor(const HARTSensorEntry& sensor)
{
    BusyGuard busy(busy_);
    const std::pair<ControlId, quint32> choices[] = {{kComboFrameType, sensor.FrameType},
                                                     {kComboAddress, sensor.Address},
                                                     {kComboPreambles, sensor.Preambles},
                                                     {kComboCommand, sensor.Command}};
    for (const auto& [id, value] : choices) {
        auto* combo = item<QComboBox>(id);
        combo->setCurrentIndex(value < static_cast<quint32>(combo->count()) ? static_cast<int>(value) : -1);
    }
    enableFrameFields(sensor.FrameType == kShortFrame);
    ids_.Show(sensor);
}

HARTSensorEntry CHARTSensorSettingDlg::readControls() const
{
    const auto index = [this](int id) {
        return static_cast<quint32>(std::max(0, item<QComboBox>(id)->currentIndex()));
    };
    HARTSensorEntry sensor;
    sensor.FrameType = index(kComboFrameType);
    sensor.Address = index(kComboAddress);
    sensor.Preambles = index(kComboPreambles);
    sensor.Command = index(kComboCommand);
    ids_.Read(sensor);
    return sensor;
}

void CHARTSensorSettingDlg::onAdd()
{
    if (sensors_.size() >= static_cast<size_t>(HartSensorRules::kMaximumSensors))
        return;
    const HARTSensorEntry sensor = readControls();
    if (!ids_.Check(sensor, limits_))
        return;
    sensors_.push_back(sensor);
    refill();
    selectRow(static_cast<int>(sensors_.size()) - 1);
}

void CHARTSensorSettingDlg::onModify()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const HARTSensorEntry sensor = readControls();
    if (!ids_.Check(sensor, limits_))
        return;
    sensors_[static_cast<size_t>(row)] = sensor;
    refill();
    selectRow(row);
}

// The sensors behind move up; the row at the same place, or the new last one, is selected.
void CHARTSensorSettingDlg::onDelete()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    sensors_.erase(sensors_.begin() + row);
    refill();
    selectRow(std::min(row, static_cast<int>(sensors_.size()) - 1));
}
