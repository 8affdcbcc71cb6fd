#pragma once
// The recipients of one alarm entry: addresses (e-mail addresses or phone numbers) with a contact
// name each. The entry stores them as two joined texts: the addresses joined by ";", and the names
// joined by ";" with one place per address, an empty name written as a blank so that every place
// survives a split.

#include <QString>
#include <QStringList>

struct RecipientList {
    QStringList Addresses;
    QStringList Names; // one per address, possibly empty

    // Splits at ";", CR and LF (CR LF counts once). Addresses are trimmed and empty ones skipped;
    // names are trimmed and kept in place, a missing one is empty.
    static RecipientList Split(const QString& joinedAddresses, const QString& joinedNames);

    int Count() const { return static_cast<int>(Addresses.size()); }
    void Append(const QString& address, const QString& name);
    void Replace(int position, const QString& address, const QString& name);
    void RemoveAt(int position);

    QString JoinedAddresses() const;
    QString JoinedNames() const;
    // Each address, followed by "(" name ")" when it has a name, joined by ";".
    QString DisplayText() const;
};

// A contact name that a split gives back unchanged: no ";", CR or LF.
bool IsValidContactName(const QString& name);
