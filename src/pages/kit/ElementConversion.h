#pragma once
// Binding a field of one element of an array or vector field of the record (PageBindings.h):
// the inner conversion works on element[index].*field. An index past the container's end fills
// and stores nothing.
//
//   Bind(kCheckDebugTavo, kLabelTavo, &LogEnableTable::Entries,
//        OfElement(6, &LogEnableEntry::debugFlag, AsCheck {}));

#include "DialogTemplate.h"

#include <QString>
#include <QWidget>

#include <cstddef>

template <class Element, class Field, class Conversion>
struct ElementField {
    std::size_t index;
    Field Element::*field;
    Conversion conversion;
    ControlType type;

    template <class Container>
    void Fill(QWidget& control, const Container& container) const
    {
        if (index < std::size(container))
            conversion.Fill(control, container[index].*field);
    }
    template <class Container>
    void Store(const QWidget& control, Container& container) const
    {
        if (index < std::size(container))
            conversion.Store(control, container[index].*field);
    }
    QString Check(const QWidget& control, const QString& label) const { return conversion.Check(control, label); }
    template <class Container>
    QString Column(const Container& container) const
    {
        return index < std::size(container) ? conversion.Column(container[index].*field) : QString();
    }
};

template <class Element, class Field, class Conversion>
ElementField<Element, Field, Conversion> OfElement(std::size_t index, Field Element::*field, Conversion conversion)
{
    const ControlType type = conversion.type;
    return {index, field, std::move(conversion), type};
}
