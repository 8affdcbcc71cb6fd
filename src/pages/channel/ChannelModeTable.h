#pragma once
// What each mode of a channel page means: the tag key of the mode (the channel holds the tags of
// the definitions carrying that key) and the editors the mode enables. The page's other
// mode-dependent editors are disabled in that mode.
//
//   ChannelModeTable()
//       .Mode(0, /*key*/ 0, {kComboStatus})                         // mode 0: key 0
//       .OtherModes(/*key*/ 1, {kEditFrequency, kEditDuty});         // every other mode: key 1
//   ChannelModeTable().KeyIsMode({kEditFilter}).Mode(1, 1, {kEditFilter, kComboTrigger})...
//
// A key that no mode of the table names (such as the analog output's always-present tags) is not
// a mode key: its tags stay whatever the mode.

#include <QList>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <optional>

class ChannelModeTable {
public:
    // A key that no tag definition carries: a mode without tags of its own.
    static constexpr int kNoTags = -1;

    ChannelModeTable& Mode(int mode, int key, std::initializer_list<int> editors)
    {
        modes_[mode] = {key, QList<int>(editors)};
        addEditors(editors);
        return *this;
    }
    // Every mode not named: this key and these editors.
    ChannelModeTable& OtherModes(int key, std::initializer_list<int> editors)
    {
        others_ = Row{key, QList<int>(editors)};
        addEditors(editors);
        return *this;
    }
    // Every mode not named has the key offset + mode, and these editors.
    ChannelModeTable& OtherModesKeyedByMode(int offset, std::initializer_list<int> editors)
    {
        keyOffset_ = offset;
        return OtherModes(kNoTags, editors);
    }

    int KeyOf(int mode) const
    {
        if (const auto found = modes_.find(mode); found != modes_.end())
            return found->second.key;
        return keyOffset_ ? *keyOffset_ + mode : others_.key;
    }
    QList<int> EditorsOf(int mode) const
    {
        const auto found = modes_.find(mode);
        return found != modes_.end() ? found->second.editors : others_.editors;
    }
    // Every editor some mode enables.
    const QList<int>& Editors() const { return editors_; }
    // True when the key belongs to some mode (tags of other modes' keys are greyed).
    bool IsModeKey(int key) const
    {
        if (key == kNoTags)
            return false;
        if (keyOffset_ && key >= *keyOffset_)
            return true;
        return others_.key == key ||
               std::any_of(modes_.begin(), modes_.end(), [key](const auto& mode) { return mode.second.key == key; });
    }

private:
    struct Row {
        int key = kNoTags;
        QList<int> editors;
    };

    void addEditors(std::initializer_list<int> editors)
    {
        for (int editor : editors) {
            if (!editors_.contains(editor))
                editors_.append(editor);
        }
    }

    std::map<int, Row> modes_;
    Row others_;
    std::optional<int> keyOffset_;
    QList<int> editors_;
};
