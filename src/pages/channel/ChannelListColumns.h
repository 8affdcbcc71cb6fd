#pragma once
// The columns of a channel list: the channel number first, at a fixed width, then the page's
// columns sharing the rest of the list's width, each with its extra pixels.

#include <QList>
#include <QString>

#include <span>

class CListCtrlEx;

// A column of the channel list after the first: its title and its share of the width.
struct ChannelColumn {
    QString title;
    int extraWidth = 0; // pixels added to the equal share
};

// Columns titled by language-pack strings, each widened by its extra pixels (none past the end
// of extraWidths).
QList<ChannelColumn> ChannelColumnsOf(std::span<const unsigned> titleStrings, std::span<const int> extraWidths = {});

class ChannelListColumns {
public:
    explicit ChannelListColumns(int firstWidth) : firstWidth_(firstWidth) {}

    void SetFirstWidth(int width) { firstWidth_ = width; }
    void Insert(CListCtrlEx& list, const QString& firstTitle, const QList<ChannelColumn>& columns);
    void Fit(CListCtrlEx& list) const;
    // A column after the first takes another title, keeping its width.
    static void Rename(CListCtrlEx& list, int column, const QString& title);

private:
    int firstWidth_;
    QList<int> extras_;
};
