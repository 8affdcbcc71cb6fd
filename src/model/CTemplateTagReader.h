#pragma once
// Reads the tag descriptions of a template into one working definition that goes from child to
// child: an attribute a child lacks keeps the previous child's value, except the channel mode and
// DNP3 event class (0) and the limits (0 and 0 for every child; "Max" counts only beside "Min").

#include "IXMLParser.h"
#include "TagDefinition.h"

#include <QString>

class CTemplateTagReader {
public:
    // Only the DIO builder reads "IODirection"; the other definitions keep the default direction.
    enum class Direction { Ignore, Read };

    explicit CTemplateTagReader(int slot, Direction direction = Direction::Ignore);

    void Read(IXMLElement* description);

    // The working definition with the resource text "<slot>.<ResID>" and the given resource type.
    TagDefinition SlotDefinition(int resourceType) const;
    // The same with the resource text as given.
    TagDefinition DefinitionAt(const QString& resourceText, int resourceType) const;

    QString ResId() const { return resId_; }
    QString SlotResourceText() const;
    int Index() const { return index_; }
    QString TagName() const { return tagName_; } // "tagName" of the last child, empty when it had none

private:
    int slot_;
    Direction direction_;
    TagDefinition working_;
    QString resId_;
    int index_ = 0;
    QString tagName_;
};
