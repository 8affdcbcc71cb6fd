// The tab's changes to its point group: add, remove, move and apply, each written into the model
// at once.
#include "CDnp3SelTagPage.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CPropertyUIDialog.h"
#include "CTagSelectDlg.h"
#include "IPageHost.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextFormat.h"
#include "ValidationReport.h"

#include <QComboBox>

#include <algorithm>

using namespace Dnp3PointTab;
using namespace Dnp3PointRules;
namespace Deadband = Dnp3Deadband;

namespace {

constexpr qint32 kBinaryInputCondition = 3; // the event condition of a new binary-input point

QList<int> sorted(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

int CDnp3SelTagPage::selectedClass() const
{
    const auto* classes = item<QComboBox>(kComboClass);
    return classes->currentIndex() < 0 ? 0 : classes->currentData().toInt();
}

int CDnp3SelTagPage::selectedVariation(int comboId, const QStringList& options) const
{
    const int index = item<QComboBox>(comboId)->currentIndex();
    return index >= 0 && index < options.size() ? VariationNumber(options[index]) : -1;
}

// A list the type does not offer keeps the group's stored number.
void CDnp3SelTagPage::writeVariations()
{
    const auto chosen = [this](int comboId, const QStringList& options, int stored) {
        const int number = selectedVariation(comboId, options);
        return number < 0 ? stored : number;
    };
    model()->SetDnp3GroupSetting(
        objectType_, chosen(kComboStatic, options_.StaticVariations, group_.StaticVariation),
        chosen(kComboEvent, options_.EventVariations, group_.EventVariation),
        chosen(kComboFrozen, options_.FrozenVariations, group_.FrozenVariation),
        chosen(kComboFrozenEvent, options_.FrozenEventVariations, group_.FrozenEventVariation));
}

// The row's point with the editors' values, the deadband converted for the point's own tag.
DNP3_POINT_SETTINGS CDnp3SelTagPage::editedPoint(const DNP3_POINT_SETTINGS& row) const
{
    DNP3_POINT_SETTINGS point;
    point.Name = row.Name;
    point.ResourceID = row.ResourceID;
    point.SBICondition = row.SBICondition;
    point.Range = row.Range;
    point.Class = selectedClass();
    const std::optional<TagRecord> tag = tagOf(row);
    if (objectType_ == Dnp3ObjectType::AnalogInput) {
        point.AIDeadbandEnable = point.Class != 0 ? 1 : 0;
        point.DeviationType = std::max(0, item<QComboBox>(kComboDeviation)->currentIndex());
        const Deadband::Range range = Deadband::AnalogRange(*model(), tag ? &*tag : nullptr, point.DeviationType);
        Deadband::StoreAnalogValue(point, range, itemText(kEditDeadband));
    } else if (objectType_ == Dnp3ObjectType::Counter) {
        point.CounterConditionEnable = point.Class != 0 ? 1 : 0;
        point.ChangeDeviation = itemText(kEditChange).trimmed().toLongLong();
    }
    if (tag && !model()->CanTagCarryDnp3Events(*tag)) {
        point.Class = point.AIDeadbandEnable = point.CounterConditionEnable = 0;
        point.DeadbandFloat = 0.0f;
        point.DeadbandInteger = point.ChangeDeviation = 0;
    }
    return point;
}

// Each selected point's deadband against the range of its own tag.
bool CDnp3SelTagPage::checkDeadbands(const QList<int>& rows)
{
    ValidationReport report;
    QStringList seen;
    for (int row : rows) {
        const DNP3_POINT_SETTINGS point = editedPoint(group_.Points[row]);
        const std::optional<TagRecord> tag = tagOf(point);
        QString line;
        int edit = kEditDeadband;
        if (point.AIDeadbandEnable) {
            line = Deadband::CheckValue(Deadband::AnalogRange(*model(), tag ? &*tag : nullptr, point.DeviationType),
                                        itemText(kEditDeadband));
        } else if (point.CounterConditionEnable) {
            edit = kEditChange;
            line = Deadband::CheckValue(Deadband::CounterRange(tag ? &*tag : nullptr), itemText(kEditChange));
        }
        if (!line.isEmpty() && !seen.contains(line)) {
            seen << line;
            report.Add(line, control(edit));
        }
    }
    return !report.ShowIfAny(MB_OK);
}

void CDnp3SelTagPage::onApply()
{
    if (!model())
        return;
    const QList<int> rows = sorted(list()->GetSelectedRows());
    if (rows.isEmpty()) {
        writeVariations();
        rereadGroup();
        return;
    }
    if (!checkDeadbands(rows))
        return;
    for (int row : rows) {
        model()->SetDnp3Point(objectType_, row, editedPoint(group_.Points[row]));
        host_.AddLogLine(FormatLangString(kStringPointApplied, LogCaption(), row));
    }
    writeVariations();
    host_.AddLogLine(FormatLangString(kStringGroupApplied, LogCaption()));
    rereadGroup();
    rebuildList();
    selectRows({rows.first()});
}

void CDnp3SelTagPage::onAdd()
{
    CDataCenter* m = model();
    if (!m)
        return;
    ILogLineSink* log = host_.GetHost() ? &host_.GetHost()->LogLines() : nullptr;
    CTagSelectDlg chooser(*m, log, false, CTagSelectDlg::ByKind{objectType_}, this);
    connect(&chooser, &CTagSelectDlg::TagsSelected, this,
            [this](const std::vector<TagRecord>& tags) { AddTags(tags); });
    chooser.DoModal();
}

void CDnp3SelTagPage::AddTags(const std::vector<TagRecord>& tags)
{
    CDataCenter* m = model();
    if (!m)
        return;
    for (const TagRecord& tag : tags) {
        const bool already = std::any_of(group_.Points.begin(), group_.Points.end(),
                                         [&tag](const DNP3_POINT_SETTINGS& p) { return p.ResourceID == tag.ResID; });
        if (already)
            continue;
        DNP3_POINT_SETTINGS point;
        point.Name = tag.TagName;
        point.ResourceID = tag.ResID;
        point.SBICondition = objectType_ == Dnp3ObjectType::BinaryInput ? kBinaryInputCondition : 0;
        m->AddDnp3PointTagUses(objectType_, point);
        group_.Points.append(point);
        host_.AddLogLine(FormatLangString(kStringPointAdded, LogCaption(), int(group_.Points.size()) - 1));
    }
    rereadGroup();
    rebuildList();
    showGroup();
}

void CDnp3SelTagPage::onRemove()
{
    const QList<int> rows = sorted(list()->GetSelectedRows());
    if (rows.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringSelectFirst));
        return;
    }
    QVector<DNP3_POINT_SETTINGS> points = group_.Points;
    int removed = 0;
    int lastPosition = 0;
    for (int row : rows) {
        lastPosition = row - removed;
        model()->ReleaseDnp3PointTagUse(points[lastPosition], objectType_, lastPosition);
        points.remove(lastPosition);
        ++removed;
    }
    rereadGroup();
    rebuildList();
    if (group_.Points.isEmpty())
        showGroup();
    else
        selectRows({std::min(lastPosition, int(group_.Points.size()) - 1)});
    host_.AddLogLine(FormatLangString(kStringPointsRemoved, LogCaption()));
}

void CDnp3SelTagPage::onMove(int step)
{
    QList<int> rows = sorted(list()->GetSelectedRows());
    const int count = int(group_.Points.size());
    if (rows.isEmpty() || (step < 0 && rows.first() == 0) || (step > 0 && rows.last() == count - 1))
        return;
    if (step > 0)
        std::reverse(rows.begin(), rows.end());
    QVector<DNP3_POINT_SETTINGS> points = group_.Points;
    QList<int> moved;
    for (int row : rows) {
        const int other = row + step;
        std::swap(points[row], points[other]);
        model()->SetDnp3Point(objectType_, row, points[row]);
        model()->SetDnp3Point(objectType_, other, points[other]);
        moved << other;
    }
    rereadGroup();
    rebuildList();
    selectRows(sorted(moved));
}
