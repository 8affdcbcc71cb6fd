#include "TagRowModel.h"

#include "CDataCenter.h"

namespace {
constexpr size_t kNoPosition = static_cast<size_t>(-1);
} // namespace

TagRowModel::TagRowModel(QObject* parent) : CVirtualListModel(parent)
{
    SetNumberColumn(0);
}

void TagRowModel::AppendRefs(std::vector<TagRef> refs)
{
    std::vector<quint32> keys;
    keys.reserve(refs.size());
    for (TagRef& ref : refs) {
        keys.push_back(static_cast<quint32>(refs_.size()));
        refs_.push_back(std::move(ref));
    }
    AppendRows(keys);
}

void TagRowModel::AppendPositions(const std::vector<size_t>& positions)
{
    if (!model_)
        return;
    std::vector<TagRef> refs;
    refs.reserve(positions.size());
    for (size_t position : positions) {
        if (position < model_->Tags.size())
            refs.push_back({position, model_->Tags[position].ResID});
    }
    AppendRefs(std::move(refs));
}

void TagRowModel::AppendTags(const std::vector<TagRecord>& tags)
{
    std::vector<TagRef> refs;
    refs.reserve(tags.size());
    for (const TagRecord& tag : tags)
        refs.push_back({kNoPosition, tag.ResID});
    AppendRefs(std::move(refs));
}

void TagRowModel::Clear()
{
    RemoveAllRows();
    refs_.clear();
}

const TagRecord* TagRowModel::TagOfKey(quint32 key) const
{
    if (!model_ || key >= refs_.size())
        return nullptr;
    const TagRef& ref = refs_[key];
    if (ref.position < model_->Tags.size() && model_->Tags[ref.position].ResID == ref.address)
        return &model_->Tags[ref.position];
    return model_->Tags.FirstAt(ref.address);
}

const TagRecord* TagRowModel::TagOfRow(int row) const
{
    return row >= 0 && row < rowCount() ? TagOfKey(Key(row)) : nullptr;
}

QString TagRowModel::CellText(quint32 key, int column) const
{
    const TagRecord* tag = TagOfKey(key);
    return tag ? TagCellText(*tag, column) : QString();
}
