#include "ChannelTagList.h"

#include "CListCtrlEx.h"
#include "LanguagePack.h"

#include <algorithm>

namespace {

constexpr int kColumnCount = 3;
constexpr int kScrollBarRoom = 20;
constexpr int kSmallestColumn = 40;

} // namespace

void ChannelTagList::InsertColumns(CListCtrlEx& list, int width) const
{
    list.setSelectionMode(QAbstractItemView::NoSelection);
    list.InsertColumn(0, LoadLangString(kStringColumnName), width);
    list.InsertColumn(1, LoadLangString(kStringColumnChannel), width);
    list.InsertColumn(2, LoadLangString(kStringColumnType), width);
}

void ChannelTagList::FitColumns(CListCtrlEx& list) const
{
    const int share = std::max(kSmallestColumn, (list.width() - kScrollBarRoom) / kColumnCount);
    for (int column = 0; column < kColumnCount; ++column)
        list.SetColumnWidth(column, share);
}

void ChannelTagList::Fill(CListCtrlEx& list, int channel, const QPalette& palette)
{
    list.DeleteAllItems();
    listed_.clear();
    channel_ = channel;
    if (!hasChannel())
        return;
    // Only the channel's own definitions are listed, however many tag lines the node names.
    const std::vector<TagDefinition>& definitions = source_.definitions(channel_);
    for (int i = 0; i < int(definitions.size()); ++i) {
        if (source_.isListed(definitions[size_t(i)]))
            listed_.append(i);
    }
    const int rowCount = std::max<int>(kMinimumRows, int(listed_.size()));
    for (int row = 0; row < rowCount; ++row) {
        if (row >= listed_.size()) {
            list.InsertItem(row, QString());
            continue;
        }
        const TagDefinition& definition = definitions[size_t(listed_[row])];
        list.InsertItem(row, definition.BoundTagName.isEmpty() ? source_.tagName(channel_, definition)
                                                               : definition.BoundTagName);
        list.SetItemText(row, 1, QString::number(channel_));
        list.SetItemText(row, 2, definition.Name);
    }
    Colour(list, palette);
}

void ChannelTagList::Colour(CListCtrlEx& list, const QPalette& palette) const
{
    if (!hasChannel())
        return;
    const std::vector<TagDefinition>& definitions = source_.definitions(channel_);
    const QColor background = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    for (int row = 0; row < listed_.size(); ++row) {
        const size_t index = size_t(listed_[row]);
        if (index >= definitions.size())
            continue;
        list.SetItemColor(row, background, source_.isActive(definitions[index]) ? text : kOtherModeColour);
    }
}
