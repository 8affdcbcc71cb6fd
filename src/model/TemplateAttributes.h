#pragma once
// Reading the elements of product and module templates. Numbers are decimal texts read the way the
// C runtime reads them (leading blanks, sign, digits; 0 without digits).

#include "IXMLParser.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace TemplateAttributes {

// The tree walk's readers: the attribute name is compared without regard to case.
std::optional<QString> FindText(IXMLElement* element, QStringView name);
std::optional<int> FindInt(IXMLElement* element, QStringView name);
// "Alias", else the element's own name.
QString AliasOrName(IXMLElement* element);

// Exact lookups, as the XML layer matches names.
std::optional<QString> Text(IXMLElement* element, const QString& name);
std::optional<int> Int(IXMLElement* element, const QString& name);
int IntOr(IXMLElement* element, const QString& name, int fallback);

// The element's children in document order, taken at once so that walking them leaves the
// element's own child cursor to whoever else walks it.
std::vector<IXMLElement*> Children(IXMLElement* element);
// The first direct child of that name; nullptr when none.
IXMLElement* DirectChild(IXMLElement* element, const QString& name);

} // namespace TemplateAttributes
