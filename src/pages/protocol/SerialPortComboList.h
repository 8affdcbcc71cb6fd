#pragma once
// The port combo of the Modbus pages: the entries shown and their port keys side by side. The
// ports come from the model's offer (SerialPortOffer.h); the master puts its Ethernet entry
// first, the slave its "None".

#include "SerialPortOffer.h"

#include <QString>
#include <QStringList>

class QComboBox;

inline constexpr unsigned kStringEthernetPort = 429;
inline constexpr unsigned kStringSlotWord = 430;
inline constexpr unsigned kStringPortWord = 431;

class SerialPortComboList {
public:
    // The first entry: its text and its key.
    SerialPortComboList(QString firstText, QString firstKey);

    // Rebuilds the entries from the model's offer to the service and fills the combo, entry 0 chosen.
    void Rebuild(const CDataCenter& model, int serviceType, QComboBox& combo);
    // The key of the combo entry; empty for a position outside the list.
    QString KeyAt(int index) const { return keys_.value(index); }
    // The position of the key, -1 when not offered.
    int IndexOf(const QString& key) const { return static_cast<int>(keys_.indexOf(key)); }
    // The shown text of a key; empty when not offered.
    QString TextOf(const QString& key) const { return texts_.value(IndexOf(key)); }

    // "Slot1_Port2": string 430, the slot, "_", string 431, the one-based port.
    static QString PortText(const SerialPortChoice& port);

private:
    QString firstText_;
    QString firstKey_;
    QStringList texts_;
    QStringList keys_;
};
