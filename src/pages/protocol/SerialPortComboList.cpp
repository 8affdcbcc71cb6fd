#include "SerialPortComboList.h"

#include "LanguagePack.h"

#include <QComboBox>
#include <QSignalBlocker>

SerialPortComboList::SerialPortComboList(QString firstText, QString firstKey)
    : firstText_(std::move(firstText)), firstKey_(std::move(firstKey))
{}

void SerialPortComboList::Rebuild(const CDataCenter& model, int serviceType, QComboBox& combo)
{
    texts_ = {firstText_};
    keys_ = {firstKey_};
    for (const SerialPortChoice& port : OfferedSerialPorts(model, serviceType)) {
        texts_ << PortText(port);
        keys_ << port.Key;
    }
    const QSignalBlocker quiet(&combo);
    combo.clear();
    combo.addItems(texts_);
    combo.setCurrentIndex(0);
}

QString SerialPortComboList::PortText(const SerialPortChoice& port)
{
    return QStringLiteral("%1%2_%3%4")
        .arg(LoadLangString(kStringSlotWord))
        .arg(port.Slot)
        .arg(LoadLangString(kStringPortWord))
        .arg(port.Port + 1);
}
