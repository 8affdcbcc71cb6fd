#pragma once
// The description of a tag to be made: the input from which every tag of a channel or service is created.

#include <QString>
#include <QtGlobal>

struct TagDefinition {
    static constexpr int kDefaultIoDirection = 2;

    QString Name;           // last part of generated tag names; a template's "type"
    QString ResourceText;   // "%d.%s" of slot and ResID, "%d.%d.%s.%d.%d" for HART sensors, "0.0.%s" for status tags
    QString BoundTagName;   // name of the tag made from this definition, empty when none
    qint32 TagUseFlag = 0;  // 1 while a tag of the project is made from it
    qint32 ResType = 0;     // number after the last "." of the resource text
    qint32 TagType = 0;     // data-type code 1..18 ("TagType")
    qint32 DNP3TagType = 0; // DNP3 object type 1..5 ("DNP3TagType")
    qint32 IsInput = 0;     // 1 input, 0 output ("IsInput")
    qint32 IoDirection = kDefaultIoDirection;
    qint64 Min = 0;        // "Min"
    qint64 Max = 0;        // "Max"
    float FloatMin = 0.0f; // set by the channel setters when a range code changes
    float FloatMax = 0.0f;
    qint32 RangeExtra = 0; // the integer that follows the float range
    qint32 ChMode = 0;     // channel mode for which the definition applies ("ChMode")
    qint32 DNP3Event = 0;  // DNP3 event class ("DNP3Event")

    friend bool operator==(const TagDefinition&, const TagDefinition&) = default;
};
