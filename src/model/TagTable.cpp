#include "TagTable.h"

#include <algorithm>
#include <utility>

namespace {

QString noCaseKey(const QString& text)
{
    return text.toCaseFolded();
}

template <typename Index>
void addStamp(Index& index, const QString& key, quint64 stamp)
{
    auto& stamps = index[key];
    stamps.insert(std::upper_bound(stamps.cbegin(), stamps.cend(), stamp), stamp);
}

template <typename Index>
void removeStamp(Index& index, const QString& key, quint64 stamp)
{
    const auto found = index.find(key);
    if (found == index.end())
        return;
    auto& stamps = found.value();
    stamps.removeAll(stamp);
    if (stamps.isEmpty())
        index.erase(found);
}

} // namespace

TagTable::TagTable(std::initializer_list<TagRecord> records)
{
    *this = Records(records);
}

TagTable& TagTable::operator=(Records records)
{
    records_ = std::move(records);
    MarkStale();
    return *this;
}

TagTable& TagTable::operator=(std::initializer_list<TagRecord> records)
{
    return *this = Records(records);
}

TagTable::iterator TagTable::begin()
{
    MarkStale();
    return records_.begin();
}

TagTable::iterator TagTable::end()
{
    MarkStale();
    return records_.end();
}

TagRecord& TagTable::operator[](size_type position)
{
    MarkStale();
    return records_[position];
}

TagRecord& TagTable::back()
{
    MarkStale();
    return records_.back();
}

TagRecord* TagTable::data()
{
    MarkStale();
    return records_.data();
}

void TagTable::push_back(TagRecord record)
{
    if (!stale_) {
        const Stamp stamp = nextStamp_++;
        IndexRecord(record, stamp);
        stamps_.push_back(stamp);
    }
    records_.push_back(std::move(record));
}

void TagTable::reserve(size_type count)
{
    records_.reserve(count);
    stamps_.reserve(count);
}

TagTable::iterator TagTable::erase(const_iterator position)
{
    return erase(position, position + 1);
}

TagTable::iterator TagTable::erase(const_iterator first, const_iterator last)
{
    const auto from = static_cast<size_type>(first - records_.cbegin());
    const auto to = static_cast<size_type>(last - records_.cbegin());
    if (!stale_) {
        for (size_type position = from; position < to; ++position)
            UnindexRecord(records_[position], stamps_[position]);
        stamps_.erase(stamps_.begin() + static_cast<std::ptrdiff_t>(from),
                      stamps_.begin() + static_cast<std::ptrdiff_t>(to));
        KeepStampsDense(to == records_.size());
    }
    return records_.erase(first, last);
}

void TagTable::clear()
{
    records_.clear();
    stamps_.clear();
    nextStamp_ = 0;
    stampsArePositions_ = true;
    byAddress_.clear();
    byAddressNoCase_.clear();
    byNameNoCase_.clear();
    stale_ = false;
}

void TagTable::RebuildIfStale() const
{
    if (!stale_)
        return;
    stale_ = false;
    byAddress_.clear();
    byAddressNoCase_.clear();
    byNameNoCase_.clear();
    stamps_.clear();
    nextStamp_ = 0;
    stampsArePositions_ = true;
    for (const TagRecord& record : records_) {
        const Stamp stamp = nextStamp_++;
        IndexRecord(record, stamp);
        stamps_.push_back(stamp);
    }
}

void TagTable::IndexRecord(const TagRecord& record, Stamp stamp) const
{
    addStamp(byAddress_, record.ResID, stamp);
    addStamp(byAddressNoCase_, noCaseKey(record.ResID), stamp);
    addStamp(byNameNoCase_, noCaseKey(record.TagName), stamp);
}

void TagTable::UnindexRecord(const TagRecord& record, Stamp stamp) const
{
    removeStamp(byAddress_, record.ResID, stamp);
    removeStamp(byAddressNoCase_, noCaseKey(record.ResID), stamp);
    removeStamp(byNameNoCase_, noCaseKey(record.TagName), stamp);
}

void TagTable::KeepStampsDense(bool tailErased) const
{
    // Erasing the tail keeps stamp == position, and the freed stamps can be given again.
    if (tailErased && stampsArePositions_)
        nextStamp_ = stamps_.size();
    else
        stampsArePositions_ = false;
}

TagTable::size_type TagTable::PositionOf(Stamp stamp) const
{
    if (stampsArePositions_)
        return static_cast<size_type>(stamp);
    return static_cast<size_type>(std::lower_bound(stamps_.begin(), stamps_.end(), stamp) - stamps_.begin());
}

const TagRecord* TagTable::FirstOf(const Index& index, const QString& key) const
{
    const auto found = index.constFind(key);
    return found == index.constEnd() ? nullptr : &records_[PositionOf(found.value().front())];
}

int TagTable::FirstPositionAt(const QString& address) const
{
    RebuildIfStale();
    const auto found = byAddress_.constFind(address);
    return found == byAddress_.constEnd() ? -1 : static_cast<int>(PositionOf(found.value().front()));
}

std::vector<TagTable::size_type> TagTable::PositionsAt(const QString& address) const
{
    RebuildIfStale();
    std::vector<size_type> positions;
    const auto found = byAddress_.constFind(address);
    if (found == byAddress_.constEnd())
        return positions;
    for (Stamp stamp : found.value())
        positions.push_back(PositionOf(stamp));
    return positions;
}

const TagRecord* TagTable::FirstAt(const QString& address) const
{
    RebuildIfStale();
    return FirstOf(byAddress_, address);
}

const TagRecord* TagTable::FirstAtNoCase(const QString& address) const
{
    RebuildIfStale();
    return FirstOf(byAddressNoCase_, noCaseKey(address));
}

const TagRecord* TagTable::FirstNamed(const QString& name) const
{
    RebuildIfStale();
    const auto found = byNameNoCase_.constFind(noCaseKey(name));
    if (found == byNameNoCase_.constEnd())
        return nullptr;
    for (Stamp stamp : found.value()) {
        const TagRecord& record = records_[PositionOf(stamp)];
        if (record.TagName == name)
            return &record;
    }
    return nullptr;
}

bool TagTable::HasNameNoCase(const QString& name) const
{
    RebuildIfStale();
    return byNameNoCase_.contains(noCaseKey(name));
}

TagRecord* TagTable::EditFirstAt(const QString& address)
{
    const int position = FirstPositionAt(address);
    return position < 0 ? nullptr : &records_[static_cast<size_type>(position)];
}

void TagTable::Replace(size_type position, TagRecord record)
{
    RebuildIfStale();
    const Stamp stamp = stamps_[position];
    UnindexRecord(records_[position], stamp);
    IndexRecord(record, stamp);
    records_[position] = std::move(record);
}

void TagTable::EraseAt(const std::vector<size_type>& positions)
{
    if (positions.empty())
        return;
    RebuildIfStale();
    size_type kept = positions.front();
    size_t next = 0;
    for (size_type position = positions.front(); position < records_.size(); ++position) {
        if (next < positions.size() && positions[next] == position) {
            UnindexRecord(records_[position], stamps_[position]);
            ++next;
            continue;
        }
        records_[kept] = std::move(records_[position]);
        stamps_[kept] = stamps_[position];
        ++kept;
    }
    const bool tailErased = positions.front() == kept;
    records_.resize(kept);
    stamps_.resize(kept);
    KeepStampsDense(tailErased);
}
