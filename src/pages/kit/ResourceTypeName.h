#pragma once
// The name under which the tag dialogs list a resource type of a slot.

#include <QString>

class CDataCenter;
struct ChannelGroupEntry;

// The model's name of the type id; the group's abbreviation when the model has none.
QString ResourceTypeName(const CDataCenter& model, const ChannelGroupEntry& group);
