#include "CTAVOTagSelectionDlg.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CTagSelectDlg.h"
#include "ConfigFiles.h"
#include "DialogHelpers.h"
#include "IPageHost.h"
#include "ListColumns.h"
#include "ListRows.h"
#include "PageConversions.h"
#include "RowMoves.h"
#include "ServiceDefaultsReader.h"
#include "TextConversion.h"
#include "TextFormat.h"

#include <QComboBox>

#include <algorithm>

using namespace TavoTagIds;
using namespace TavoTagRules;

namespace {

const QString kSection = QStringLiteral("TAVO");
const QString kControlTagPrefix = QStringLiteral("0.0.");

} // namespace

CTAVOTagSelectionDlg::CTAVOTagSelectionDlg(IPageHost* host)
    : CPropertyUIDialog(kTemplate, host),
      picks_({.choose = {},
              .address = [](const TagRecord& tag) { return tag.ResID; },
              .make =
                  [this](const TagRecord& tag) {
                      TagRecord pushed = tag;
                      pushed.PublishToTavo = 1;
                      pushed.Tavo = NewPushedTagSettings(tag, defaultUpdateType_, defaultInterval_, control_);
                      return pushed;
                  },
              .rowTexts = {}})
{}

bool CTAVOTagSelectionDlg::OnInitDialog()
{
    LayoutListPage(
        {.list = kListTags, .leftButton = kButtonSelect, .middleButton = kButtonRemove, .rightButton = kButtonApply});
    if (auto* list = item<CListCtrlEx>(kListTags))
        InsertTagNameColumn(*list);
    OnUserChange(kListTags, [this] { showSelection(); });
    onClicked(kButtonSelect, [this] { selectTags(); });
    onClicked(kButtonRemove, [this] { removeSelected(); });
    onClicked(kButtonApply, [this] { apply(); });
    for (int box : {kCheckInterval.id, kCheckOnChange.id, kCheckControlTag.id})
        onClicked(box, [this, box] { onUpdateKindClicked(box); });
    OnUserChange(kComboUnit, [this] { writeFormToSelected(); });
    OnUserChange(kComboDirection, [this] { writeFormToSelected(); });
    // Checked when the user leaves the edit: emptying it to type a new number would be refused at once.
    OnFocusLost(kEditInterval, [this] { onIntervalLeft(); });
    fillOptionLists();
    return true;
}

void CTAVOTagSelectionDlg::fillOptionLists()
{
    if (GetDefaultSettingsPath().isEmpty())
        return;
    BusyGuard busy(Busy());
    FillCombo(item<QComboBox>(kComboUnit), OptionList(kSection, QStringLiteral("UpdateTagUnit")));
    defaultInterval_ =
        quint32(std::max(0, ServiceDefaults::ReadInt(kSection, QStringLiteral("UpdateTagInterval"), kDefaultInterval)));
    defaultUpdateType_ = ServiceDefaults::ReadInt(kSection, QStringLiteral("DefaultUpdateType "), kUpdateByInterval);
    FillCombo(item<QComboBox>(kComboDirection), OptionList(kSection, QStringLiteral("Direction")));
    resetForm();
}

void CTAVOTagSelectionDlg::resolveControlTag()
{
    control_.Id = kControlTagPrefix + ServiceDefaults::ReadText(kSection, QStringLiteral("UpdateTriggerTagResourceID"));
    TagRecord tag;
    const CDataCenter* model = GetDataCenter();
    control_.Name = model && model->FindTagByName(control_.Id, tag) ? tag.TagName : QString();
    setItemText(kStaticControlTag, control_.Name);
}

void CTAVOTagSelectionDlg::OnPageShown()
{
    pushed_.clear();
    resolveControlTag();
    if (const CDataCenter* model = GetDataCenter()) {
        for (const TagRecord& tag : model->Tags.All()) {
            if (!tag.PublishToTavo)
                continue;
            pushed_.push_back(tag);
            DropForbiddenOnChange(pushed_.back().Tavo, IsOnChangeForbidden(tag.ResID), defaultInterval_);
        }
    }
    refill(pushed_.empty() ? QList<int>{} : QList<int>{0});
}

void CTAVOTagSelectionDlg::refill(const QList<int>& selected)
{
    if (auto* list = item<CListCtrlEx>(kListTags)) {
        BusyGuard busy(Busy());
        list->DeleteAllItems();
        for (int row = 0; row < int(pushed_.size()); ++row)
            list->InsertItem(row, pushed_[size_t(row)].TagName);
        SelectListRows(*list, selected);
    }
    showSelection();
}

QList<int> CTAVOTagSelectionDlg::selectedRows() const
{
    const auto* list = item<CListCtrlEx>(kListTags);
    return list ? list->GetSelectedRows() : QList<int>{};
}

void CTAVOTagSelectionDlg::selectTags()
{
    const CDataCenter* model = GetDataCenter();
    auto* list = item<CListCtrlEx>(kListTags);
    if (!model || !GetHost() || !list)
        return;
    const int before = list->GetItemCount();
    CTagSelectDlg chooser(*model, &GetHost()->LogLines(), true, GetNodeInfo().formId, this);
    const QRect anchor(list->mapToGlobal(QPoint(0, 0)), list->size());
    chooser.SetAnchorRect(anchor.left(), anchor.top(), anchor.right(), anchor.bottom());
    QObject::connect(&chooser, &CTagChooserDlg::TagsSelected, this,
                     [this](const std::vector<TagRecord>& tags) { OnTagsChosen(tags); });
    chooser.DoModal();
    list->setFocus();
    if (list->GetItemCount() != before)
        refill({before}); // the first new row
}

void CTAVOTagSelectionDlg::OnTagsChosen(const std::vector<TagRecord>& chosen)
{
    if (picks_.Append(pushed_, chosen) > 0)
        refill(selectedRows());
}

void CTAVOTagSelectionDlg::removeSelected()
{
    RemoveRows(pushed_, selectedRows());
    refill({});
}

void CTAVOTagSelectionDlg::apply()
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    keepIntervalInRange();
    writeFormToSelected();
    model->ReplaceTavoPushedTags(pushed_);
}

// One update kind always stays chosen.
void CTAVOTagSelectionDlg::onUpdateKindClicked(int clicked)
{
    if (!isItemChecked(kCheckInterval) && !isItemChecked(kCheckOnChange) && !isItemChecked(kCheckControlTag)) {
        checkItem(clicked, true);
        return;
    }
    writeFormToSelected();
    enableItem(kButtonApply, true);
    if (clicked != kCheckInterval)
        return;
    enableIntervalFields(isItemChecked(kCheckInterval));
    BusyGuard busy(Busy()); // the stored unit follows at the next write
    SelectComboByData(item<QComboBox>(kComboUnit), 0);
}

void CTAVOTagSelectionDlg::onIntervalLeft()
{
    if (!isVisible())
        return;
    keepIntervalInRange();
    writeFormToSelected();
}

void CTAVOTagSelectionDlg::keepIntervalInRange()
{
    const QWidget* edit = control(kEditInterval);
    if (!edit || !edit->isEnabled())
        return;
    const qint64 interval = ParseLeadingInt64(itemText(kEditInterval));
    if (interval >= kMinInterval && interval <= kMaxInterval)
        return;
    setItemText(kEditInterval, QString::number(kMinInterval));
    ShowMessageBox(FormatLangString(kStringIntervalRange, kMinInterval, kMaxInterval), MB_OK | MB_ICONSTOP);
}

void CTAVOTagSelectionDlg::showSelection()
{
    const QList<int> rows = selectedRows();
    enableItem(kButtonRemove, !rows.isEmpty());
    enableItem(kButtonApply, true);
    if (rows.isEmpty() || rows.first() >= int(pushed_.size())) {
        BusyGuard busy(Busy());
        resetForm();
        return;
    }
    bool locked = false;
    bool onChangeForbidden = false;
    for (int row : rows) {
        locked = locked || pushed_[size_t(row)].Direction != 0;
        onChangeForbidden = onChangeForbidden || IsOnChangeForbidden(pushed_[size_t(row)].ResID);
    }
    TagRecordExtra shown = pushed_[size_t(rows.first())].Tavo;
    DropForbiddenOnChange(shown, onChangeForbidden, defaultInterval_);
    BusyGuard busy(Busy());
    showSettings(shown, locked, onChangeForbidden);
}

void CTAVOTagSelectionDlg::showSettings(const TagRecordExtra& settings, bool directionLocked, bool onChangeForbidden)
{
    enableItem(kCheckInterval, true);
    checkItem(kCheckInterval, settings.IntervalUpdate != 0);
    setItemText(kEditInterval, QString::number(settings.IntervalUpdate ? settings.Interval : defaultInterval_));
    SelectComboByData(item<QComboBox>(kComboUnit), settings.Unit);
    enableIntervalFields(settings.IntervalUpdate != 0);
    enableItem(kCheckOnChange, !onChangeForbidden);
    checkItem(kCheckOnChange, settings.OnChangeUpdate != 0 && !onChangeForbidden);
    enableItem(kCheckControlTag, true);
    checkItem(kCheckControlTag, settings.ControlTagUpdate != 0);
    enableItem(kComboDirection, !directionLocked);
    enableItem(kLabelDirection, !directionLocked);
    SelectComboByData(item<QComboBox>(kComboDirection), !directionLocked && settings.Access != 0 ? 1 : 0);
}

void CTAVOTagSelectionDlg::resetForm()
{
    enableIntervalFields(false);
    checkItem(kCheckInterval, false);
    enableItem(kCheckInterval, false);
    setItemText(kEditInterval, QString::number(defaultInterval_));
    SelectComboByData(item<QComboBox>(kComboUnit), 0);
    for (int box : {kCheckOnChange.id, kCheckControlTag.id}) {
        checkItem(box, false);
        enableItem(box, false);
    }
    SelectComboByData(item<QComboBox>(kComboDirection), 0);
    enableItem(kComboDirection, false);
    enableItem(kLabelDirection, false);
}

void CTAVOTagSelectionDlg::enableIntervalFields(bool enable)
{
    for (int id : {kEditInterval.id, kComboUnit.id, kStaticIntervalRange.id})
        enableItem(id, enable);
}

TagRecordExtra CTAVOTagSelectionDlg::readForm() const
{
    TagRecordExtra settings;
    // The interval and its unit mean something, and reach the project file, only with interval update.
    if (isItemChecked(kCheckInterval)) {
        settings.IntervalUpdate = 1;
        settings.Interval = quint32(std::clamp<qint64>(ParseLeadingInt64(itemText(kEditInterval)), 0, kMaxInterval));
        settings.Unit = ComboSelectedData(item<QComboBox>(kComboUnit), 0);
    }
    settings.OnChangeUpdate = isItemChecked(kCheckOnChange) ? 1 : 0;
    settings.ControlTagUpdate = isItemChecked(kCheckControlTag) ? 1 : 0;
    settings.Access = ComboSelectedData(item<QComboBox>(kComboDirection), 0) > 0 ? 1 : 0;
    if (settings.ControlTagUpdate) {
        settings.ControlTagName = control_.Name;
        settings.Control = control_.Id;
    }
    return settings;
}

void CTAVOTagSelectionDlg::writeFormToSelected()
{
    if (IsBusy())
        return;
    const TagRecordExtra settings = readForm();
    for (int row : selectedRows()) {
        if (row >= int(pushed_.size()))
            continue;
        pushed_[size_t(row)].PublishToTavo = 1;
        pushed_[size_t(row)].Tavo = settings;
    }
}
