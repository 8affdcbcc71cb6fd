#pragma once
// The tag list of a channel page: the tags of one channel (name, channel, definition), at least
// kMinimumRows rows, the tags of a mode other than the one shown in grey. The page says which
// definitions a channel has, which are listed, which are active and how a tag is named.

#include "TagDefinition.h"

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

#include <functional>
#include <vector>

class CListCtrlEx;

class ChannelTagList {
public:
    static constexpr unsigned kStringColumnName = 369;
    static constexpr unsigned kStringColumnChannel = 364;
    static constexpr unsigned kStringColumnType = 366;
    static constexpr int kMinimumRows = 8;
    static inline const QColor kOtherModeColour{210, 210, 210};

    struct Source {
        std::function<int()> channelCount;
        std::function<const std::vector<TagDefinition>&(int channel)> definitions;
        std::function<bool(const TagDefinition&)> isListed;
        std::function<bool(const TagDefinition&)> isActive;
        // The name a tag of the definition gets when none is bound.
        std::function<QString(int channel, const TagDefinition&)> tagName;
    };

    explicit ChannelTagList(Source source) : source_(std::move(source)) {}

    void InsertColumns(CListCtrlEx& list, int width) const;
    // The three columns share the list's width.
    void FitColumns(CListCtrlEx& list) const;
    // Lists the tags of the channel; none for -1 or a channel the page does not have.
    void Fill(CListCtrlEx& list, int channel, const QPalette& palette);
    // Greys the rows of tags that are not active, after the shown mode changed.
    void Colour(CListCtrlEx& list, const QPalette& palette) const;

private:
    bool hasChannel() const { return channel_ >= 0 && channel_ < source_.channelCount(); }

    Source source_;
    QList<int> listed_; // definition index of each filled row
    int channel_ = -1;
};
