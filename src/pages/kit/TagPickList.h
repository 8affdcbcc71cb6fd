#pragma once
// A list of tags the user picks with the tag chooser (the TAVO, SNMP agent and data-log tag
// lists): the chooser opens through a hook, chosen tags whose address is listed already are
// skipped, an optional limit stops the additions with its message, and the list control is
// rebuilt from the items.
//
//   TagPickList<PushedTag> picks({
//       .choose = [this] { return ChooseTags(); },            // the page opens the chooser
//       .address = [](const PushedTag& t) { return t.ResID; },
//       .make = [](const TagRecord& tag) { return PushedTag {tag.TagName, tag.ResID}; },
//       .rowTexts = [](const PushedTag& t) { return QStringList {t.Name}; },
//   }, 256, LoadLangString(kStringTooManyTags));
//   if (picks.Pick(items)) picks.Rebuild(*list, items);

#include "ListRows.h"
#include "MessageBoxService.h"
#include "TagRecord.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

template <class Item>
class TagPickList {
public:
    struct Hooks {
        std::function<std::vector<TagRecord>()> choose;   // the chosen tags; none when cancelled
        std::function<QString(const Item&)> address;      // the listed item's tag address (ResID)
        std::function<Item(const TagRecord&)> make;       // a new item for a chosen tag
        std::function<QStringList(const Item&)> rowTexts; // the row's texts after its number
    };

    explicit TagPickList(Hooks hooks, int limit = 0, QString limitMessage = {})
        : hooks_(std::move(hooks)), limit_(limit), limitMessage_(std::move(limitMessage))
    {}

    // Opens the chooser and appends the chosen tags not listed yet, up to the limit (its message
    // shown once when tags were left out for it). The number of items added.
    template <class Items> // std::vector<Item> or QVector<Item>
    int Pick(Items& items) const
    {
        return Append(items, hooks_.choose ? hooks_.choose() : std::vector<TagRecord>{});
    }

    template <class Items>
    int Append(Items& items, const std::vector<TagRecord>& chosen) const
    {
        QSet<QString> listed;
        for (const Item& item : items)
            listed.insert(hooks_.address(item));
        int added = 0;
        for (const TagRecord& tag : chosen) {
            if (listed.contains(tag.ResID))
                continue;
            if (limit_ > 0 && static_cast<int>(items.size()) >= limit_) {
                if (!limitMessage_.isEmpty())
                    ShowMessageBox(limitMessage_, MB_OK | MB_ICONWARNING);
                break;
            }
            items.push_back(hooks_.make(tag));
            listed.insert(tag.ResID);
            ++added;
        }
        return added;
    }

    template <class Items>
    void Rebuild(CListCtrlEx& list, const Items& items) const
    {
        FillNumberedRows(list, static_cast<int>(items.size()), [&](int row) { return hooks_.rowTexts(items[row]); });
    }

private:
    Hooks hooks_;
    int limit_ = 0;
    QString limitMessage_;
};
