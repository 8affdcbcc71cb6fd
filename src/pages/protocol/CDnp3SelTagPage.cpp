#include "CDnp3SelTagPage.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CPropertyUIDialog.h"
#include "CTagSelectDlg.h"
#include "ColumnWidthFit.h"
#include "IPageHost.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextFormat.h"
#include "TypeIds.h"
#include "ValidationReport.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

using namespace Dnp3PointTab;
using namespace Dnp3PointRules;
namespace Deadband = Dnp3Deadband;

namespace {

constexpr int kIndexColumnWidth = 30;
constexpr int kTextColumnWidth = 140;
const QString kEventVariationTitle = QStringLiteral("Event Variation");
const QString kFrozenVariationTitle = QStringLiteral("Frozen Variation");
const QRegularExpression kDigitsOnly(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]*")));

// Exchanges the places of two controls of the template's grid.
void swapGridCells(QWidget* a, QWidget* b)
{
    auto* grid = a && b ? qobject_cast<QGridLayout*>(a->parentWidget()->layout()) : nullptr;
    if (!grid || grid->indexOf(a) < 0 || grid->indexOf(b) < 0)
        return;
    int rowA, columnA, rowSpanA, columnSpanA, rowB, columnB, rowSpanB, columnSpanB;
    grid->getItemPosition(grid->indexOf(a), &rowA, &columnA, &rowSpanA, &columnSpanA);
    grid->getItemPosition(grid->indexOf(b), &rowB, &columnB, &rowSpanB, &columnSpanB);
    grid->removeWidget(a);
    grid->removeWidget(b);
    grid->addWidget(a, rowB, columnB, rowSpanB, columnSpanB);
    grid->addWidget(b, rowA, columnA, rowSpanA, columnSpanA);
}

void fillCombo(QComboBox* combo, const QStringList& items)
{
    if (!combo)
        return;
    combo->clear();
    for (int i = 0; i < items.size(); ++i)
        combo->addItem(items[i], i);
}

} // namespace

CDnp3SelTagPage::CDnp3SelTagPage(int objectType, CPropertyUIDialog& host)
    : CFormBase(kTemplate), objectType_(objectType), host_(host)
{}

CDataCenter* CDnp3SelTagPage::model() const
{
    return host_.GetDataCenter();
}

CListCtrlEx* CDnp3SelTagPage::list() const
{
    return item<CListCtrlEx>(kListPoints);
}

QString CDnp3SelTagPage::LogCaption() const
{
    const CDataCenter* m = model();
    return m ? FormatText(QStringLiteral("%s %s"),
                          {m->GetResourceName(ServiceId::Dnp3Outstation), m->GetResourceName(ServiceId::Dnp3Point)})
             : QString();
}

bool CDnp3SelTagPage::OnInitDialog()
{
    if (CListCtrlEx* points = list()) {
        points->InsertColumn(0, LoadLangString(kStringIndexTitle), kIndexColumnWidth);
        points->InsertColumn(1, LoadLangString(kStringTagName), kTextColumnWidth);
        points->InsertColumn(2, LoadLangString(kStringDataType), kTextColumnWidth);
        points->InsertColumn(3, QStringLiteral("Master"), kTextColumnWidth);
        FitColumnsToWidth(*points, {{.pixels = kIndexColumnWidth}, {.share = 1}, {.share = 1}, {.share = 1}});
        connect(points, &CListCtrlEx::itemSelectionChanged, this, [this] { onSelectionChanged(); });
    }
    options_ = Dnp3PointOptions::Load(objectType_);
    digitsOnly_ = new QRegularExpressionValidator(kDigitsOnly, this);
    arrangeForType();
    fillCombo(item<QComboBox>(kComboDeviation), options_.DeviationTypes);
    onClicked(kButtonAdd, [this] { onAdd(); });
    onClicked(kButtonRemove, [this] { onRemove(); });
    onClicked(kButtonUp, [this] { onMove(-1); });
    onClicked(kButtonDown, [this] { onMove(+1); });
    onClicked(kButtonApply, [this] { onApply(); });
    onChanged(kComboClass, [this] {
        if (!filling_)
            onClassChanged();
    });
    onChanged(kComboDeviation, [this] {
        if (!filling_)
            onDeviationChanged();
    });
    return true;
}

void CDnp3SelTagPage::arrangeForType()
{
    const bool counter = HasFrozenVariations(objectType_);
    if (counter) {
        swapGridCells(control(kComboEvent), control(kComboFrozen));
        for (auto [counterId, analogId] :
             {std::pair{kLabelChange, kLabelDeadband}, {kEditChange, kEditDeadband}, {kRangeChange, kRangeDeadband}})
            swapGridCells(control(counterId), control(analogId));
    }
    setItemText(kLabelEvent, counter ? kFrozenVariationTitle : kEventVariationTitle);
    setItemText(kLabelFrozen, counter ? kEventVariationTitle : kFrozenVariationTitle);
    const bool analog = objectType_ == Dnp3ObjectType::AnalogInput;
    showItem(kGroupDeadband, analog || counter);
    for (int id : {int(kComboDeviation), int(kLabelDeadband), int(kEditDeadband), int(kRangeDeadband)})
        showItem(id, analog);
    for (int id : {int(kLabelChange), int(kEditChange), int(kRangeChange)})
        showItem(id, counter);
    for (int id : {int(kLabelEvent), int(kComboEvent)})
        showItem(id, HasEventVariation(objectType_));
    for (int id : {int(kLabelFrozen), int(kComboFrozen), int(kLabelFrozenEvent), int(kComboFrozenEvent)})
        showItem(id, counter);
}

void CDnp3SelTagPage::showEvent(QShowEvent* event)
{
    CFormBase::showEvent(event);
    Refresh();
}

void CDnp3SelTagPage::Refresh()
{
    filling_ = true;
    multiSelection_ = false;
    fillClassCombo(OffersEventClasses(objectType_));
    fillVariations();
    rereadGroup();
    rebuildList();
    filling_ = false;
    showGroup();
}

void CDnp3SelTagPage::fillVariations()
{
    fillCombo(item<QComboBox>(kComboStatic), options_.StaticVariations);
    fillCombo(item<QComboBox>(kComboEvent), options_.EventVariations);
    fillCombo(item<QComboBox>(kComboFrozen), options_.FrozenVariations);
    fillCombo(item<QComboBox>(kComboFrozenEvent), options_.FrozenEventVariations);
}

void CDnp3SelTagPage::fillClassCombo(bool fullList)
{
    const bool wasFilling = std::exchange(filling_, true);
    fillCombo(item<QComboBox>(kComboClass), fullList ? options_.ClassLevel : options_.ClassLevel.mid(0, 1));
    filling_ = wasFilling;
}

void CDnp3SelTagPage::rereadGroup()
{
    if (const CDataCenter* m = model())
        m->GetDnp3PointGroup(objectType_, group_);
}

std::optional<TagRecord> CDnp3SelTagPage::tagOf(const DNP3_POINT_SETTINGS& point) const
{
    TagRecord tag;
    const CDataCenter* m = model();
    if (m && m->GetTagByName(point.ResourceID, tag))
        return tag;
    return std::nullopt;
}

bool CDnp3SelTagPage::canCarryEvents(const DNP3_POINT_SETTINGS& point) const
{
    const std::optional<TagRecord> tag = tagOf(point);
    return !tag || model()->CanTagCarryDnp3Events(*tag);
}

QStringList CDnp3SelTagPage::rowTexts(int index, const DNP3_POINT_SETTINGS& point) const
{
    QStringList texts{QString::number(index), point.Name, QString(), QString()};
    if (const std::optional<TagRecord> tag = tagOf(point)) {
        texts[2] = dataTypeNames_.value(MapDataTypeCode(tag->DataTypeCode));
        texts[3] = options_.ClassLevel.value(point.Class);
    }
    return texts;
}

void CDnp3SelTagPage::rebuildList()
{
    CListCtrlEx* points = list();
    if (!points)
        return;
    const bool wasFilling = std::exchange(filling_, true);
    points->DeleteAllItems();
    for (int i = 0; i < group_.Points.size(); ++i) {
        const QStringList texts = rowTexts(i, group_.Points[i]);
        points->InsertItem(i, texts[0]);
        for (int column = 1; column < texts.size(); ++column)
            points->SetItemText(i, column, texts[column]);
    }
    filling_ = wasFilling;
}

void CDnp3SelTagPage::selectRows(const QList<int>& rows)
{
    CListCtrlEx* points = list();
    const bool wasFilling = std::exchange(filling_, true);
    points->clearSelection();
    for (int row : rows) {
        if (row == rows.first())
            points->SelectRow(row);
        else
            points->selectionModel()->select(points->listModel().index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        points->scrollTo(points->listModel().index(row, 0));
    }
    filling_ = wasFilling;
    onSelectionChanged();
}

void CDnp3SelTagPage::showGroup()
{
    const bool wasFilling = std::exchange(filling_, true);
    item<QComboBox>(kComboStatic)->setCurrentIndex(VariationIndex(options_.StaticVariations, group_.StaticVariation));
    item<QComboBox>(kComboEvent)->setCurrentIndex(VariationIndex(options_.EventVariations, group_.EventVariation));
    item<QComboBox>(kComboFrozen)->setCurrentIndex(VariationIndex(options_.FrozenVariations, group_.FrozenVariation));
    item<QComboBox>(kComboFrozenEvent)
        ->setCurrentIndex(VariationIndex(options_.FrozenEventVariations, group_.FrozenEventVariation));
    item<QComboBox>(kComboClass)->setCurrentIndex(-1);
    enableItem(kComboClass, false);
    item<QComboBox>(kComboDeviation)->setCurrentIndex(0);
    for (int id : {int(kLabelDeadband), int(kComboDeviation), int(kEditDeadband), int(kRangeDeadband),
                   int(kLabelChange), int(kEditChange), int(kRangeChange)})
        enableItem(id, false);
    setItemText(kEditDeadband, QString());
    setItemText(kEditChange, QString());
    filling_ = wasFilling;
}

void CDnp3SelTagPage::onSelectionChanged()
{
    if (filling_)
        return;
    const QList<int> rows = list()->GetSelectedRows();
    multiSelection_ = rows.size() > 1;
    if (rows.isEmpty())
        showGroup();
    else
        showPoint();
}

void CDnp3SelTagPage::showPoint()
{
    const int row = list()->GetFirstSelectedRow();
    if (row < 0 || row >= group_.Points.size())
        return;
    const DNP3_POINT_SETTINGS& point = group_.Points[row];
    const std::optional<TagRecord> tag = tagOf(point);
    filling_ = true;
    fillClassCombo(OffersEventClasses(objectType_) && (multiSelection_ || canCarryEvents(point)));
    auto* classes = item<QComboBox>(kComboClass);
    classes->setCurrentIndex(std::max(0, classes->findData(point.Class)));
    enableItem(kComboClass, true);
    if (objectType_ == Dnp3ObjectType::AnalogInput) {
        item<QComboBox>(kComboDeviation)->setCurrentIndex(point.DeviationType);
        updateAnalogRange();
        setItemText(kEditDeadband, Deadband::AnalogText(point, shownRange_));
    } else if (objectType_ == Dnp3ObjectType::Counter) {
        setItemText(kEditChange, QString::number(point.ChangeDeviation));
        setItemText(kRangeChange, Deadband::CounterRangeText(Deadband::CounterRange(tag ? &*tag : nullptr)));
    }
    filling_ = false;
    enableDeadbandByClass();
}

void CDnp3SelTagPage::onClassChanged()
{
    enableDeadbandByClass();
}

void CDnp3SelTagPage::enableDeadbandByClass()
{
    const bool eventClass = selectedClass() != 0;
    const bool analog = objectType_ == Dnp3ObjectType::AnalogInput;
    if (!analog && objectType_ != Dnp3ObjectType::Counter)
        return;
    const int edit = analog ? kEditDeadband : kEditChange;
    const std::vector<int> ids = analog
                                     ? std::vector<int>{kLabelDeadband, kComboDeviation, kEditDeadband, kRangeDeadband}
                                     : std::vector<int>{kLabelChange, kEditChange, kRangeChange};
    for (int id : ids)
        enableItem(id, eventClass);
    if (!eventClass)
        setItemText(edit, QString());
    else if (itemText(edit).isEmpty())
        setItemText(edit, QString::number(analog ? Deadband::kDefaultPercentage : Deadband::kDefaultChangeDeviation));
}

void CDnp3SelTagPage::onDeviationChanged()
{
    updateAnalogRange();
}

void CDnp3SelTagPage::updateAnalogRange()
{
    const int row = list()->GetFirstSelectedRow();
    const int deviation = item<QComboBox>(kComboDeviation)->currentIndex();
    const std::optional<TagRecord> tag =
        row >= 0 && row < group_.Points.size() ? tagOf(group_.Points[row]) : std::nullopt;
    shownRange_ = Deadband::AnalogRange(*model(), tag ? &*tag : nullptr, deviation);
    setItemText(kRangeDeadband, Deadband::AnalogRangeText(shownRange_, deviation));
    auto* edit = item<QLineEdit>(kEditDeadband);
    const bool digitsOnly = !shownRange_.isFloat;
    edit->setValidator(digitsOnly ? digitsOnly_ : nullptr);
    if (digitsOnly && !kDigitsOnly.match(edit->text()).hasMatch())
        edit->clear();
}
