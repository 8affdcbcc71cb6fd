#include "ChannelListColumns.h"

#include "CListCtrlEx.h"
#include "LanguagePack.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int kScrollBarRoom = 20;
constexpr int kSmallestColumn = 40;

} // namespace

QList<ChannelColumn> ChannelColumnsOf(std::span<const unsigned> titleStrings, std::span<const int> extraWidths)
{
    QList<ChannelColumn> columns;
    for (size_t i = 0; i < titleStrings.size(); ++i)
        columns.append({LoadLangString(titleStrings[i]), i < extraWidths.size() ? extraWidths[i] : 0});
    return columns;
}

void ChannelListColumns::Insert(CListCtrlEx& list, const QString& firstTitle, const QList<ChannelColumn>& columns)
{
    list.InsertColumn(0, firstTitle, firstWidth_);
    for (int i = 0; i < columns.size(); ++i) {
        list.InsertColumn(i + 1, columns[i].title, firstWidth_);
        extras_.append(columns[i].extraWidth);
    }
}

void ChannelListColumns::Fit(CListCtrlEx& list) const
{
    if (extras_.isEmpty())
        return;
    const int extras = std::accumulate(extras_.begin(), extras_.end(), 0);
    const int rest = list.width() - kScrollBarRoom - firstWidth_ - extras;
    const int share = std::max(kSmallestColumn, rest / int(extras_.size()));
    list.SetColumnWidth(0, firstWidth_);
    for (int i = 0; i < extras_.size(); ++i)
        list.SetColumnWidth(i + 1, share + extras_[i]);
}

void ChannelListColumns::Rename(CListCtrlEx& list, int column, const QString& title)
{
    if (column <= 0 || column >= list.GetColumnCount() || list.GetColumnTitle(column) == title)
        return;
    const int width = list.GetColumnWidth(column);
    list.DeleteColumn(column);
    list.InsertColumn(column, title, width);
}
