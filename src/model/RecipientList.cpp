#include "RecipientList.h"

#include <QRegularExpression>

namespace {

const QChar kSeparator = u';';
const QString kEmptyNamePlace = QStringLiteral(" ");

QStringList splitTrimmed(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral(";|\\r\\n|\\r|\\n"));
    QStringList items = text.split(separators);
    for (QString& item : items)
        item = item.trimmed();
    return items;
}

} // namespace

RecipientList RecipientList::Split(const QString& joinedAddresses, const QString& joinedNames)
{
    RecipientList list;
    for (const QString& address : splitTrimmed(joinedAddresses)) {
        if (!address.isEmpty())
            list.Addresses << address;
    }
    const QStringList names = joinedNames.isEmpty() ? QStringList() : splitTrimmed(joinedNames);
    for (int i = 0; i < list.Count(); ++i)
        list.Names << names.value(i);
    return list;
}

void RecipientList::Append(const QString& address, const QString& name)
{
    Addresses << address;
    Names << name;
}

void RecipientList::Replace(int position, const QString& address, const QString& name)
{
    if (position < 0 || position >= Count())
        return;
    Addresses[position] = address;
    Names[position] = name;
}

void RecipientList::RemoveAt(int position)
{
    if (position < 0 || position >= Count())
        return;
    Addresses.removeAt(position);
    Names.removeAt(position);
}

QString RecipientList::JoinedAddresses() const
{
    return Addresses.join(kSeparator);
}

QString RecipientList::JoinedNames() const
{
    QStringList places;
    for (int i = 0; i < Count(); ++i) {
        const QString name = Names.value(i);
        places << (name.isEmpty() ? kEmptyNamePlace : name);
    }
    return places.join(kSeparator);
}

QString RecipientList::DisplayText() const
{
    QStringList shown;
    for (int i = 0; i < Count(); ++i) {
        const QString name = Names.value(i);
        shown << (name.isEmpty() ? Addresses[i] : QStringLiteral("%1(%2)").arg(Addresses[i], name));
    }
    return shown.join(kSeparator);
}

bool IsValidContactName(const QString& name)
{
    return !name.contains(kSeparator) && !name.contains(u'\r') && !name.contains(u'\n');
}
