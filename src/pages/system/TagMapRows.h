#pragma once
// The tag map list's columns and the texts of its rows.

#include "TagListTexts.h"
#include "TagRowModel.h"

#include <QStringList>

#include <iterator>
#include <optional>

class CDataCenter;

class TagMapRows : public TagRowModel {
    Q_OBJECT
public:
    struct Column {
        unsigned header; // string id
        int width;
        bool sortable;
    };
    static constexpr Column kColumns[] = {{360, 30, false}, {361, 130, true}, {363, 65, true},
                                          {492, 85, true},  {749, 60, true},  {365, 80, true},
                                          {748, 75, false}, {364, 85, false}, {366, 150, true}};
    static constexpr int kColumnCount = static_cast<int>(std::size(kColumns));
    enum ColumnIndex {
        kColumnNumber,
        kColumnName,
        kColumnSlot,
        kColumnDataType,
        kColumnUsed,
        kColumnChannelType,
        kColumnDirection,
        kColumnChannel,
        kColumnItemName,
    };
    static bool IsSortable(int column) { return column >= 0 && column < kColumnCount && kColumns[column].sortable; }

    using TagRowModel::TagRowModel;

    // Reads the texts that follow the project's IEC mode and the language; the item names are
    // collected again.
    void Load(const CDataCenter& model);

protected:
    QString TagCellText(const TagRecord& tag, int column) const override;

private:
    bool iec_ = false;
    TagDirectionTexts directions_;
    QString usedMark_; // the text of a tag that services use
    QString noChannel_;
    QStringList dataTypeNames_;
    mutable std::optional<TagItemNamer> namer_;
};
