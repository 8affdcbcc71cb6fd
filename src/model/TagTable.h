#pragma once
// The project's tag table: the tags in their order, with an index by address (exact and
// case-blind) and by name (case-blind), so that per-tag look-ups do not walk the table.
//
// The table reads like a std::vector<TagRecord>. Writable access to a record (non-const
// operator[], begin(), back(), data()) may change names and addresses behind the index's back,
// so it marks the index stale and the next look-up rebuilds it; a reference taken that way is
// good until the next call of the model. The model's own edits go through Edit* and Replace,
// which keep the index in step.

#include "TagRecord.h"

#include <QHash>
#include <QString>
#include <QVarLengthArray>

#include <cstddef>
#include <initializer_list>
#include <vector>

class TagTable {
public:
    using Records = std::vector<TagRecord>;
    using iterator = Records::iterator;
    using const_iterator = Records::const_iterator;
    using value_type = TagRecord;
    using size_type = Records::size_type;

    TagTable() = default;
    TagTable(std::initializer_list<TagRecord> records);
    TagTable& operator=(Records records);
    TagTable& operator=(std::initializer_list<TagRecord> records);
    operator const Records&() const { return records_; }
    const Records& All() const { return records_; }

    size_type size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const_iterator begin() const { return records_.begin(); }
    const_iterator end() const { return records_.end(); }
    const_iterator cbegin() const { return records_.cbegin(); }
    const_iterator cend() const { return records_.cend(); }
    const TagRecord& operator[](size_type position) const { return records_[position]; }
    const TagRecord& front() const { return records_.front(); }
    const TagRecord& back() const { return records_.back(); }
    const TagRecord* data() const { return records_.data(); }

    // Writable access: the index is rebuilt on the next look-up.
    iterator begin();
    iterator end();
    TagRecord& operator[](size_type position);
    TagRecord& back();
    TagRecord* data();

    void push_back(TagRecord record);
    // Room for that many records in all, so that a table filled from a file grows once. The index
    // grows with the records instead: reserved at once, it would take its full size while the
    // file's document is still whole.
    void reserve(size_type count);
    iterator erase(const_iterator position);
    iterator erase(const_iterator first, const_iterator last);
    void clear();

    friend bool operator==(const TagTable& a, const TagTable& b) { return a.records_ == b.records_; }
    friend bool operator==(const TagTable& a, const Records& b) { return a.records_ == b; }

    // ---- look-ups through the index ----
    int FirstPositionAt(const QString& address) const;                // exact address; -1 when none
    std::vector<size_type> PositionsAt(const QString& address) const; // exact address, ascending
    const TagRecord* FirstAt(const QString& address) const;           // exact address
    const TagRecord* FirstAtNoCase(const QString& address) const;     // case-blind address
    const TagRecord* FirstNamed(const QString& name) const;           // exact name
    bool HasNameNoCase(const QString& name) const;

    // ---- edits that keep every name and address ----
    TagRecord* EditFirstAt(const QString& address);
    template <typename Edit>
    void EditEachAt(const QString& address, Edit edit)
    {
        for (size_type position : PositionsAt(address))
            edit(records_[position]);
    }
    template <typename Edit>
    void EditEach(Edit edit)
    {
        for (TagRecord& record : records_)
            edit(record);
    }

    // Overwrites the record at the position; names and addresses may change.
    void Replace(size_type position, TagRecord record);
    // Removes the records at the ascending positions, in one pass.
    void EraseAt(const std::vector<size_type>& positions);

private:
    using Stamp = quint64;                       // a record's key in the index; grows with every record added
    using StampList = QVarLengthArray<Stamp, 1>; // most keys name one tag: kept inline
    using Index = QHash<QString, StampList>;

    void MarkStale() { stale_ = true; }
    void RebuildIfStale() const;
    void IndexRecord(const TagRecord& record, Stamp stamp) const;
    void UnindexRecord(const TagRecord& record, Stamp stamp) const;
    const TagRecord* FirstOf(const Index& index, const QString& key) const;
    size_type PositionOf(Stamp stamp) const;
    void KeepStampsDense(bool tailErased) const;

    Records records_;
    // Parallel to records_, strictly ascending, so a stamp's position is a binary search; while
    // nothing but the tail was erased since the last rebuild, each stamp is its position.
    mutable std::vector<Stamp> stamps_;
    mutable bool stampsArePositions_ = true;
    mutable Stamp nextStamp_ = 0;
    mutable Index byAddress_;
    mutable Index byAddressNoCase_;
    mutable Index byNameNoCase_;
    mutable bool stale_ = false;
};
