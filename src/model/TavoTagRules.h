#pragma once
// What the TAVO service allows for a pushed tag: which addresses cannot be pushed on change, the
// settings a newly pushed tag starts with, and the update kinds a tag keeps when on-change is
// not allowed for it.

#include "TagRecord.h"

#include <QString>
#include <QtGlobal>

namespace TavoTagRules {

// The update kinds of "DefaultUpdateType"; any other value counts as interval.
inline constexpr int kUpdateByInterval = 0;
inline constexpr int kUpdateOnChange = 1;
inline constexpr int kUpdateByControlTag = 2;

inline constexpr quint32 kMinInterval = 1;
inline constexpr quint32 kMaxInterval = 65535;

// The service's control tag, as the page resolved it; both empty when no tag has the id.
struct ControlTag {
    QString Id;
    QString Name;
};

// True when the part of the address behind its second point is one of the system addresses,
// whose values the controller cannot watch for changes.
bool IsOnChangeForbidden(const QString& address);

// On-change goes where it is forbidden; a tag left with no update kind is pushed by interval
// instead, with the default interval and the first unit.
void DropForbiddenOnChange(TagRecordExtra& settings, bool onChangeForbidden, quint32 defaultInterval);

// The settings a tag gets when it is added to the pushed tags. A tag whose direction cannot be
// chosen pushes its value one way only (Access 0), as the form shows it.
TagRecordExtra NewPushedTagSettings(const TagRecord& tag, int defaultUpdateType, quint32 defaultInterval,
                                    const ControlTag& control);

} // namespace TavoTagRules
