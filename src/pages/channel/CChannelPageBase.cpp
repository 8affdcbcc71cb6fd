#include "CChannelPageBase.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "MessageBoxService.h"
#include "TagNaming.h"
#include "TextFormat.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {

const QString kRefusedChannelLine = QStringLiteral("Ch-%d\n");

// Runs a handler when its edit gets or loses the focus.
class FocusFilter : public QObject {
public:
    FocusFilter(QObject* parent, QEvent::Type type, std::function<void()> handler)
        : QObject(parent), type_(type), handler_(std::move(handler))
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == type_)
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<void()> handler_;
};

} // namespace

CChannelPageBase::CChannelPageBase(unsigned templateId, IPageHost* host, ChannelPageControls controls,
                                   int channelTypeId)
    : CPropertyUIDialog(templateId, host), controls_(controls), channelTypeId_(channelTypeId)
{}

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
    const QList<ChannelColumn> columns = ChannelColumns();
    if (CListCtrlEx* channels = ChannelList()) {
        channels->InsertColumn(0, FirstColumnTitle(), firstColumnWidth_);
        for (int i = 0; i < columns.size(); ++i) {
            channels->InsertColumn(i + 1, columns[i].title, firstColumnWidth_);
            columnExtras_.append(columns[i].extraWidth);
        }
    }
    if (CListCtrlEx* tags = TagList()) {
        tags->setSelectionMode(QAbstractItemView::NoSelection);
        tags->InsertColumn(0, LoadLangString(kStringTagColumnName), kFirstColumnWidth);
        tags->InsertColumn(1, LoadLangString(kStringTagColumnChannel), kFirstColumnWidth);
        tags->InsertColumn(2, LoadLangString(kStringTagColumnType), kFirstColumnWidth);
    }
    fitColumns();
}

void CChannelPageBase::fitColumns()
{
    constexpr int kScrollBarRoom = 20;
    constexpr int kSmallestColumn = 40;
    if (CListCtrlEx* channels = ChannelList(); channels && !columnExtras_.isEmpty()) {
        const int extras = std::accumulate(columnExtras_.begin(), columnExtras_.end(), 0);
        const int rest = channels->width() - kScrollBarRoom - firstColumnWidth_ - extras;
        const int share = std::max(kSmallestColumn, rest / int(columnExtras_.size()));
        channels->SetColumnWidth(0, firstColumnWidth_);
        for (int i = 0; i < columnExtras_.size(); ++i)
            channels->SetColumnWidth(i + 1, share + columnExtras_[i]);
    }
    if (CListCtrlEx* tags = TagList()) {
        const int third = std::max(kSmallestColumn, (tags->width() - kScrollBarRoom) / 3);
        for (int column = 0; column < 3; ++column)
            tags->SetColumnWidth(column, third);
    }
}

void CChannelPageBase::resizeEvent(QResizeEvent* event)
{
    CPropertyUIDialog::resizeEvent(event);
    fitColumns();
}

void CChannelPageBase::RenameChannelColumn(int column, const QString& title)
{
    CListCtrlEx* channels = ChannelList();
    if (!channels || column <= 0 || column >= channels->GetColumnCount() || channels->GetColumnTitle(column) == title)
        return;
    const int width = channels->GetColumnWidth(column);
    channels->DeleteColumn(column);
    channels->InsertColumn(column, title, width);
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
    CListCtrlEx* tags = TagList();
    if (!tags)
        return;
    tags->DeleteAllItems();
    listedTags_.clear();
    const QList<int> rows = SelectedChannels();
    tagChannel_ = rows.isEmpty() ? -1 : rows.first();
    if (tagChannel_ < 0 || tagChannel_ >= ChannelCount())
        return;
    // Only the channel's own definitions are listed, however many tag lines the node names.
    const std::vector<TagDefinition>& definitions = TagDefinitions(tagChannel_);
    for (int i = 0; i < int(definitions.size()); ++i) {
        if (IsTagListed(definitions[size_t(i)]))
            listedTags_.append(i);
    }
    const int rowCount = std::max<int>(kMinimumTagRows, int(listedTags_.size()));
    for (int row = 0; row < rowCount; ++row) {
        if (row >= listedTags_.size()) {
            tags->InsertItem(row, QString());
            continue;
        }
        const TagDefinition& definition = definitions[size_t(listedTags_[row])];
        const QString name =
            definition.BoundTagName.isEmpty() ? ChannelTagName(tagChannel_, definition) : definition.BoundTagName;
        tags->InsertItem(row, name);
        tags->SetItemText(row, 1, QString::number(tagChannel_));
        tags->SetItemText(row, 2, definition.Name);
    }
    ColourTagList();
}

bool CChannelPageBase::IsTagActive(const TagDefinition& definition) const
{
    return !modes_.IsModeKey(definition.ChMode) || definition.ChMode == ShownModeKey();
}

void CChannelPageBase::ColourTagList()
{
    CListCtrlEx* tags = TagList();
    if (!tags || tagChannel_ < 0 || tagChannel_ >= ChannelCount())
        return;
    const std::vector<TagDefinition>& definitions = TagDefinitions(tagChannel_);
    const QColor background = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    for (int row = 0; row < listedTags_.size(); ++row) {
        const size_t index = size_t(listedTags_[row]);
        if (index >= definitions.size())
            continue;
        tags->SetItemColor(row, background, IsTagActive(definitions[index]) ? text : kOtherModeTagColour);
    }
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
    QString refused;
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
            refused += FormatText(kRefusedChannelLine, {channel});
            continue;
        }
        WriteChannel(*model, channel);
        wrote = true;
        if (oldKey != newKey) {
            const std::vector<TagDefinition> definitions = TagDefinitions(channel);
            const CDataCenter::ChannelTagRebuild rebuild =
                model->RebuildChannelTags(Slot(), channelTypeId_, channel, definitions, oldKey, newKey);
            for (const CDataCenter::TagChange& tag : rebuild.Removed)
                AddLogLine(FormatLangString(kStringTagDeleted, tag.Name));
            for (const CDataCenter::TagChange& tag : rebuild.Created)
                AddLogLine(FormatLangString(kStringTagCreated, tag.Name));
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
    if (!refused.isEmpty()) {
        const QList<int> selected = SelectedChannels();
        if (!selected.isEmpty())
            ShowChannel(selected.first());
        ShowMessageBox(refused + LoadLangString(kStringChannelsRefused), MB_OK | MB_ICONWARNING);
    }
    return wrote;
}

// ---- edits checked on leaving them ----

void CChannelPageBase::CheckOnFocusLoss(int editId, std::function<bool()> check)
{
    auto* edit = hasControl(editId) ? qobject_cast<QLineEdit*>(control(editId)) : nullptr;
    if (!edit)
        return;
    auto edited = std::make_shared<bool>(false);
    QObject::connect(edit, &QLineEdit::textEdited, this, [edited] { *edited = true; });
    edit->installEventFilter(new FocusFilter(edit, QEvent::FocusOut, [this, edit, edited, check = std::move(check)] {
        if (!shown_ || !*edited)
            return;
        *edited = false;
        if (check())
            return;
        *edited = true;
        edit->setFocus();
    }));
}

void CChannelPageBase::OnEditFocusLost(int editId, std::function<void()> handler)
{
    if (QWidget* edit = hasControl(editId) ? control(editId) : nullptr)
        edit->installEventFilter(new FocusFilter(edit, QEvent::FocusOut, std::move(handler)));
}

void CChannelPageBase::OnEditFocusGot(int editId, std::function<void()> handler)
{
    if (QWidget* edit = hasControl(editId) ? control(editId) : nullptr)
        edit->installEventFilter(new FocusFilter(edit, QEvent::FocusIn, std::move(handler)));
}
