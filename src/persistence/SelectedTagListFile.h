#pragma once
// The list of tags a logging profile logs, as the data-logging and high-speed logging profiles
// keep it: "SelectedTag" with "Quantity" and one "Tag_%d" per tag, whose "Result" is the tag's
// address and "TagName" its name.

#include <QPair>
#include <QString>
#include <QVector>

class IXMLElement;

using SelectedTagList = QVector<QPair<QString, QString>>; // tag name, address

// Fills the "SelectedTag" element.
void SaveSelectedTagList(const SelectedTagList& tags, IXMLElement* element);
// Appends the tags of the profile's "SelectedTag"; every child whose name holds "Tag_" is a tag,
// the count plays no part. A profile without the element adds nothing.
void LoadSelectedTagList(SelectedTagList& tags, IXMLElement* profile);
