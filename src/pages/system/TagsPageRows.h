#pragma once
// The texts of the tags page's rows.

#include "TagListTexts.h"
#include "TagRowModel.h"

#include <optional>

class TagsPageRows : public TagRowModel {
    Q_OBJECT
public:
    using TagRowModel::TagRowModel;

    // The texts that follow the project's IEC mode and the language; the item names are
    // collected again.
    void Load(const CDataCenter& model, const TagDirectionTexts& directions, const QString& usedMark);
    // The item the tag was made from (its name shows in the item column).
    TagItemNamer::Item ItemOf(const TagRecord& tag) const;

protected:
    QString TagCellText(const TagRecord& tag, int column) const override;

private:
    TagDirectionTexts directions_;
    QString usedMark_; // the text of a tag that services use
    mutable std::optional<TagItemNamer> namer_;
};
