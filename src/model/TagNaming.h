#pragma once
// How generated tags are named and built from the definitions of placed modules. Slot numbers and
// channel numbers are plain decimals; the channel-type alias is the slot group's abbreviation.

#include "TagDefinition.h"
#include "TagRecord.h"

#include <QString>

// "S<slot>_<alias><channel>_<name>", made a valid tag name.
QString ChannelTagName(int slot, const QString& alias, int channel, const QString& definitionName);
// "S<slot>_<name>", made a valid tag name: a tag of the module as a whole.
QString ModuleTagName(int slot, const QString& moduleTagName);
// "S<slot>_<alias>_<name>", made valid, then every "Connection" shortened to "Conn".
QString ConnectionTagName(int slot, const QString& alias, const QString& definitionName);
// "S<slot>_<alias>_<name>", made valid.
QString SystemVariableTagName(int slot, const QString& alias, const QString& definitionName);
// "S<slot>_<name>" ("S0_<name>" for the power slot 15), kept as formatted.
QString SystemRegisterTagName(int slot, const QString& definitionName);

// A tag generated from a definition: its address, data-type code, DNP3 type and direction are the
// definition's; the second text stays empty and no service uses it yet.
TagRecord MakeDefinitionTag(const QString& name, const QString& alias, int typeId, const TagDefinition& definition);
