#pragma once
// A combo box of the project's tags of some data-type codes, as the high-speed logging tabs offer
// them: leading entries first ("<None>", "<Create a new tag...>"), then the tags in table order
// with their addresses as item data. A tag is chosen by address; the leading entries choose none.

#include "TagRecord.h"

#include <QString>

#include <functional>
#include <vector>

class CDataCenter;
class QComboBox;

// The data-type codes of the tags a profile offers: boolean tags start logging and uploads,
// 32-bit integer tags take an upload's state.
inline const std::vector<int> kBooleanTagCodes{1, 10};
inline const std::vector<int> kStatusTagCodes{5, 14};

// A copy of the project's tag table; empty without a project.
std::vector<TagRecord> ProjectTagTable(const CDataCenter* model);

class ProfileTagCombo {
public:
    enum class Lead { NoTag, CreateTag };
    // Creates a tag of one of the codes (the create-tag dialog); its name, empty when none was made.
    using Creator = std::function<QString(const std::vector<int>& dataTypeCodes)>;

    ProfileTagCombo(std::vector<int> dataTypeCodes, std::vector<Lead> leads);

    const std::vector<int>& DataTypeCodes() const { return codes_; }

    // Refills the combo from the table and selects the tag of the address (none when it is gone).
    void Fill(QComboBox& combo, const std::vector<TagRecord>& table, const QString& address) const;
    // Selects the tag of that name; none when the combo does not list it.
    void SelectName(QComboBox& combo, const QString& name) const;
    // The address of the chosen tag; empty for a leading entry or nothing. In an editable combo a
    // typed name of a listed tag chooses that tag.
    QString Address(const QComboBox& combo) const;
    bool IsCreateChosen(const QComboBox& combo) const;
    // When the create entry is chosen: runs the creator, has the tab refill its combos from the
    // changed table, then selects the new tag, or none when nothing was made. False otherwise.
    bool CreateIfChosen(QComboBox& combo, const Creator& create, const std::function<void()>& refill) const;

private:
    bool offers(const TagRecord& tag) const;
    int leadCount() const { return static_cast<int>(leads_.size()); }

    std::vector<int> codes_;
    std::vector<Lead> leads_;
};
