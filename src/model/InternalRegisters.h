#pragma once
// The user's internal registers: one list per internal register type 1501..1518, that is per
// data-type code 1..18.

#include "TagDefinition.h"
#include "TypeIds.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

class IXMLElement;

struct InternalVariableRecord {
    TagDefinition Definition;
    qint32 Direction = 0;                    // nonzero selects codes 1..9, zero codes 10..18
    qint32 TagType = 0;                      // data-type code
    qint32 DataType = kUnknownDataTypeIndex; // type index 0..8
    qint32 Retain = 0;
    quint32 Value = 0;       // the raw 32 bits, read as the register's kind
    QString TextValue;       // the value of a string register
    qint32 ChannelIndex = 0; // the register's resource id
};

struct InternalRegisterTable {
    qint32 Word1 = 0;
    qint32 Word2 = 0;
    QString Name; // the "Internal_Variable" alias

    // The list of data-type code 1..18 (register type 1500 + code); nullptr for any other code.
    std::vector<InternalVariableRecord>* ListForCode(int code);
    const std::vector<InternalVariableRecord>* ListForCode(int code) const;

    // project file
    // Writes the registers of type 1510..1518 under "Setting"/"InternalRegister" and their
    // resource ids under "Resource"/"InternalRegister" of the slot element; other types write nothing.
    void SaveInternalRegisters(IXMLElement* slotElement, int typeId) const;
    // Reads a kind's element ("BoolOut" ...) into the list of type 1501..1518: the i-th child
    // replaces entry i, children beyond the list are appended.
    void LoadInternalRegisters(IXMLElement* element, int typeId);

private:
    std::array<std::vector<InternalVariableRecord>, DataTypeCode::Last> lists_;
};
using InternalRegisterSet = InternalRegisterTable;
