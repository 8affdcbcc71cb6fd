#pragma once
// The rows of a tag list (the tags page, the tag map) over the project's tag table: a row names
// its tag by its resource id, with the tag's place in the table when the row was made as a quick
// first guess, so a row keeps showing (and renaming) its own tag when tags before it come and go.
// A cell's text is made from the tag when the view asks for it.

#include "CVirtualListModel.h"
#include "TagRecord.h"

#include <QString>

#include <vector>

class CDataCenter;

class TagRowModel : public CVirtualListModel {
    Q_OBJECT
public:
    explicit TagRowModel(QObject* parent = nullptr);

    void SetDataCenter(const CDataCenter* model) { model_ = model; }
    const CDataCenter* DataCenter() const { return model_; }

    // A row for each tag at the positions of the tag table, numbered on.
    void AppendPositions(const std::vector<size_t>& positions);
    // A row for each tag of the table at the records' resource ids, numbered on.
    void AppendTags(const std::vector<TagRecord>& tags);
    void Clear();
    // The tag the row shows; nullptr when the row is out of range or its tag is gone.
    const TagRecord* TagOfRow(int row) const;

protected:
    QString CellText(quint32 key, int column) const final;
    // The text of a column of the tag's row (the number column excluded).
    virtual QString TagCellText(const TagRecord& tag, int column) const = 0;

private:
    struct TagRef {
        size_t position; // where the tag was when the row was made
        QString address;
    };

    void AppendRefs(std::vector<TagRef> refs);
    const TagRecord* TagOfKey(quint32 key) const;

    const CDataCenter* model_ = nullptr;
    std::vector<TagRef> refs_; // a row's key is its place here
};
