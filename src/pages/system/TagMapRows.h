#pragma once
// The tag map list's columns and the texts of its rows.

#include "TagListTexts.h"
#include "TagRecord.h"

#include <QList>
#include <QStringList>

#include <iterator>
#include <vector>

class CDataCenter;

class TagMapRows {
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
    static bool IsSortable(int column) { return column >= 0 && column < kColumnCount && kColumns[column].sortable; }

    // Reads the texts that follow the project's IEC mode and the language.
    void Load(const CDataCenter& model);
    // One row per position, numbered from 1.
    QList<QStringList> Texts(const CDataCenter& model, const std::vector<TagRecord>& tags,
                             const std::vector<size_t>& positions) const;

private:
    QStringList RowTexts(const TagRecord& tag, int number, TagItemNamer& namer) const;

    bool iec_ = false;
    TagDirectionTexts directions_;
    QString usedMark_; // the text of a tag that services use
    QString noChannel_;
    QStringList dataTypeNames_;
};
