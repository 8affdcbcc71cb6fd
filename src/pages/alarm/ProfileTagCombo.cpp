#include "ProfileTagCombo.h"

#include "CDataCenter.h"
#include "LanguagePack.h"

#include <QComboBox>

#include <algorithm>

namespace {

constexpr unsigned kStringNoTag = 586;
constexpr unsigned kStringCreateTag = 397;

} // namespace

std::vector<TagRecord> ProjectTagTable(const CDataCenter* model)
{
    std::vector<TagRecord> table;
    if (model)
        model->GetTagList(table, 1, 0);
    return table;
}

ProfileTagCombo::ProfileTagCombo(std::vector<int> dataTypeCodes, std::vector<Lead> leads)
    : codes_(std::move(dataTypeCodes)), leads_(std::move(leads))
{}

bool ProfileTagCombo::offers(const TagRecord& tag) const
{
    return std::find(codes_.begin(), codes_.end(), tag.DataTypeCode) != codes_.end();
}

void ProfileTagCombo::Fill(QComboBox& combo, const std::vector<TagRecord>& table, const QString& address) const
{
    combo.clear();
    for (Lead lead : leads_)
        combo.addItem(LoadLangString(lead == Lead::NoTag ? kStringNoTag : kStringCreateTag));
    for (const TagRecord& tag : table) {
        if (offers(tag))
            combo.addItem(tag.TagName, tag.ResID);
    }
    const int found = address.isEmpty() ? -1 : combo.findData(address);
    combo.setCurrentIndex(found >= leadCount() ? found : -1);
}

void ProfileTagCombo::SelectName(QComboBox& combo, const QString& name) const
{
    const int found = name.isEmpty() ? -1 : combo.findText(name, Qt::MatchExactly);
    combo.setCurrentIndex(found >= leadCount() ? found : -1);
}

QString ProfileTagCombo::Address(const QComboBox& combo) const
{
    int index = combo.currentIndex();
    if (combo.isEditable() && (index < 0 || combo.itemText(index) != combo.currentText()))
        index = combo.findText(combo.currentText(), Qt::MatchExactly);
    return index >= leadCount() ? combo.itemData(index).toString() : QString();
}

bool ProfileTagCombo::IsCreateChosen(const QComboBox& combo) const
{
    const int index = combo.currentIndex();
    return index >= 0 && index < leadCount() && leads_[static_cast<size_t>(index)] == Lead::CreateTag;
}

bool ProfileTagCombo::CreateIfChosen(QComboBox& combo, const Creator& create, const std::function<void()>& refill) const
{
    if (!IsCreateChosen(combo))
        return false;
    const QString name = create ? create(codes_) : QString();
    refill();
    SelectName(combo, name);
    return true;
}
