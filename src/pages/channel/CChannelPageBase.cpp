#include "CChannelPageBase.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "ChannelTagLog.h"
#include "EditFocusHooks.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "MessageBoxService.h"
#include "TagNaming.h"
#include "TextFormat.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

CChannelPageBase::CChannelPageBase(unsigned templateId, IPageHost* host, ChannelPageControls controls,
                                   int channelTypeId)
    : CPropertyUIDialog(templateId, host), controls_(controls), channelTypeId_(channelTypeId),
      columns_(kFirstColumnWidth), tags_(tagSource())
{}

ChannelTagList::Source CChannelPageBase::tagSource()
{
    return {.channelCount = [this] { return ChannelCount(); },
            .definitions = [this](int channel) -> const std::vector<TagDefinition>& { return TagDefinitions(channel); },
            .isListed = [this](const TagDefinition& definition) { return IsTagListed(definition); },
            .isActive = [this](const TagDefinition& definition) { return IsTagActive(definition); },
            .tagName = [this](int channel,
                              const TagDefinition& definition) { return ChannelTagName(channel, definition); }};
}

CListCtrlEx* CChannelPageBase::ChannelList() const
{
    return hasControl(controls_.channelList) ? qobject_cast<CListCtrlEx*>(control(controls_.channelList)) : nullptr;
}

CListCtrlEx* CChannelPageBase::TagList() const
{
    return hasControl(controls_.tagList) ? qobject_cast<CListCtrlEx*>(control(controls_.tagList)) : nullptr;
}

bool CChannelPageBase::OnInitDialog()
{
    LayoutListPage({.list = controls_.channelList});
    if (CListCtrlEx* channels = ChannelList()) {
        channels->setSelectionMode(QAbstractItemView::ExtendedSelection);
        QObject::connect(channels, &CListCtrlEx::itemSelectionChanged, this, [this] { onChannelSelectionChanged(); });
    }
    insertColumns();
    if (controls_.tagList != 0)
        LayoutChannelPage({.groupBox = controls_.tagGroupBox, .list = controls_.tagList, .reference = controls_.apply});
    onClicked(controls_.apply, [this] { Apply(); });
    if (controls_.mode != 0)
        OnUserChange(controls_.mode, [this] { OnModeChanged(); });
    return true;
}

void CChannelPageBase::insertColumns()
{
    if (CListCtrlEx* channels = ChannelList())
        columns_.Insert(*channels, FirstColumnTitle(), ChannelColumns());
    if (CListCtrlEx* tags = TagList())
        tags_.InsertColumns(*tags, kFirstColumnWidth);
    fitColumns();
}

void CChannelPageBase::fitColumns()
{
    if (CListCtrlEx* channels = ChannelList())
        columns_.Fit(*channels);
    if (CListCtrlEx* tags = TagList())
        tags_.FitColumns(*tags);
}

void CChannelPageBase::resizeEvent(QResizeEvent* event)
{
    CPropertyUIDialog::resizeEvent(event);
    fitColumns();
}

void CChannelPageBase::RenameChannelColumn(int column, const QString& title)
{
    if (CListCtrlEx* channels = ChannelList())
        ChannelListColumns::Rename(*channels, column, title);
}

QString CChannelPageBase::FirstColumnTitle() const
{
    return LoadLangString(kStringColumnChannel);
}

// ---- showing ----

int CChannelPageBase::ChannelCount() const
{
    // The node names the module's channels; never more than the record holds.
    const int stored = StoredChannelCount();
    const int named = GetNodeInfo().extra1;
    return named > 0 ? std::min(named, stored) : stored;
}

void CChannelPageBase::OnPageShown()
{
    SetMainListId(controls_.channelList);
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    BusyGuard busy(Busy());
    CopyRecord(*model);
    checkModelKey();
    FillPageControls();
    FillChannelList();
    SelectFirstListItem(controls_.channelList);
    ShowChannel(0);
    enableItem(controls_.apply, true);
    fitColumns();
    shown_ = true;
}

void CChannelPageBase::checkModelKey()
{
    const CDataCenter* model = GetDataCenter();
    const QString apid = model ? model->GetSlotApid(Slot()) : QString();
    if (modelKeyRead_ && apid == modelKey_)
        return;
    modelKey_ = apid;
    modelKeyRead_ = true;
    OnModelKeyChanged();
}

void CChannelPageBase::FillChannelList()
{
    CListCtrlEx* channels = ChannelList();
    if (!channels)
        return;
    BusyGuard busy(Busy());
    channels->DeleteAllItems();
    for (int channel = 0; channel < ChannelCount(); ++channel) {
        channels->InsertItem(channel, ChannelNumberText(channel));
        UpdateChannelRow(channel);
    }
}

void CChannelPageBase::UpdateChannelRow(int channel)
{
    CListCtrlEx* channels = ChannelList();
    if (!channels || channel < 0 || channel >= ChannelCount())
        return;
    channels->SetItemText(channel, 0, ChannelNumberText(channel));
    const QStringList texts = ChannelRowTexts(channel);
    for (int column = 0; column < texts.size(); ++column)
        channels->SetItemText(channel, column + 1, texts[column]);
}

void CChannelPageBase::ShowChannel(int channel)
{
    const CListCtrlEx* channels = ChannelList();
    if (!channels || channels->GetItemCount() == 0 || channel < 0 || channel >= ChannelCount())
        return;
    BusyGuard busy(Busy());
    if (controls_.mode != 0)
        enableItem(controls_.mode, true);
    ShowChannelEditors(channel);
    ApplyModeEditors();
    FillTagList();
}

void CChannelPageBase::ApplyModeEditors()
{
    const int mode = ShownMode();
    const QList<int> enabled = modes_.EditorsOf(mode);
    for (int editor : modes_.Editors())
        enableItem(editor, enabled.contains(editor));
    OnModeEditors(mode);
}

void CChannelPageBase::OnModeChanged()
{
    BusyGuard busy(Busy());
    ApplyModeEditors();
    ColourTagList();
}

int CChannelPageBase::ShownMode() const
{
    const auto* combo = hasControl(controls_.mode) ? qobject_cast<QComboBox*>(control(controls_.mode)) : nullptr;
    return combo ? combo->currentIndex() : 0;
}

void CChannelPageBase::onChannelSelectionChanged()
{
    if (IsBusy())
        return;
    const QList<int> rows = SelectedChannels();
    if (rows.isEmpty()) {
        BusyGuard busy(Busy());
        ResetEditors();
        FillTagList();
    } else if (rows.size() == 1) {
        ShowChannel(rows.first());
    }
}

QList<int> CChannelPageBase::SelectedChannels() const
{
    const CListCtrlEx* channels = ChannelList();
    QList<int> rows = channels ? channels->GetSelectedRows() : QList<int>();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CChannelPageBase::SelectChannels(const QList<int>& channels)
{
    if (CListCtrlEx* list = ChannelList())
        SelectListRows(*list, channels);
}

// ---- the tag list ----

QString CChannelPageBase::ChannelTagName(int channel, const TagDefinition& definition) const
{
    const CDataCenter* model = GetDataCenter();
    const QString prefix = model ? model->GetSlotTagPrefix(Slot(), channelTypeId_) : QString();
    return ::ChannelTagName(Slot(), prefix, channel, definition.Name);
}

void CChannelPageBase::FillTagList()
{
    const QList<int> rows = SelectedChannels();
    if (CListCtrlEx* tags = TagList())
        tags_.Fill(*tags, rows.isEmpty() ? -1 : rows.first(), palette());
}

bool CChannelPageBase::IsTagActive(const TagDefinition& definition) const
{
    return !modes_.IsModeKey(definition.ChMode) || definition.ChMode == ShownModeKey();
}

void CChannelPageBase::ColourTagList()
{
    if (CListCtrlEx* tags = TagList())
        tags_.Colour(*tags, palette());
}

// ---- Apply ----

bool CChannelPageBase::Apply()
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return false;
    const QList<int> rows = SelectedChannels();
    if (rows.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringNoChannelSelected), MB_OK | MB_ICONWARNING);
        return false;
    }
    if (!CheckEditors())
        return false;
    ChannelRefusals refused(RefusalOrder());
    bool wrote = false;
    for (int channel : rows) {
        if (channel >= ChannelCount())
            continue;
        const int oldKey = StoredModeKey(channel);
        if (!ReadEditors(channel))
            break;
        const int newKey = StoredModeKey(channel);
        if (oldKey != newKey && model->IsModeKeyTagInUse(TagDefinitions(channel), oldKey)) {
            CopyRecord(*model); // drops what the page has not applied
            refused.AddChannel(channel);
            continue;
        }
        WriteChannel(*model, channel);
        wrote = true;
        if (oldKey != newKey) {
            const std::vector<TagDefinition> definitions = TagDefinitions(channel);
            const CDataCenter::ChannelTagRebuild rebuild =
                model->RebuildChannelTags(Slot(), channelTypeId_, channel, definitions, oldKey, newKey);
            LogChannelTagChanges(*this, rebuild.Removed, rebuild.Created);
        }
        CopyRecord(*model);
        {
            BusyGuard busy(Busy());
            UpdateChannelRow(channel);
            FillTagList();
        }
        if (LogsAppliedChannels())
            AddLogLine(FormatLangString(kStringChannelApplied, GetNodeInfo().shownText, channel + 1));
    }
    if (!refused.IsEmpty()) {
        const QList<int> selected = SelectedChannels();
        if (!selected.isEmpty())
            ShowChannel(selected.first());
        refused.ShowIfAny();
    }
    return wrote;
}

// ---- edits checked on leaving them ----

void CChannelPageBase::CheckOnFocusLoss(int editId, std::function<bool()> check)
{
    if (auto* edit = hasControl(editId) ? qobject_cast<QLineEdit*>(control(editId)) : nullptr)
        CheckEditOnFocusLoss(
            *edit, [this] { return shown_; }, std::move(check));
}

void CChannelPageBase::OnEditFocusLost(int editId, std::function<void()> handler)
{
    if (QWidget* edit = hasControl(editId) ? control(editId) : nullptr)
        OnFocusEvent(*edit, QEvent::FocusOut, std::move(handler));
}

void CChannelPageBase::OnEditFocusGot(int editId, std::function<void()> handler)
{
    if (QWidget* edit = hasControl(editId) ? control(editId) : nullptr)
        OnFocusEvent(*edit, QEvent::FocusIn, std::move(handler));
}
