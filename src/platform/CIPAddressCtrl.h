#pragma once
// Four-octet IP address field: four boxes of 0-255 separated by dots. All four empty is the blank
// state (no address); a single empty box reads as 0.

#include "TextConversion.h"

#include <QString>
#include <QWidget>

#include <array>

class QLineEdit;

class CIPAddressCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CIPAddressCtrl(QWidget* parent = nullptr);

    IPAddressFields GetAddress() const;
    void SetAddress(const IPAddressFields& fields);
    void ClearAddress();
    bool IsBlank() const;
    void SetReadOnly(bool readOnly);
    // The box of one octet (0-3), for tests and focus handling.
    QLineEdit* field(int index) const;

signals:
    void addressChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fieldEdited(int index);

    std::array<QLineEdit*, 4> fields_{};
};

// The address as "a.b.c.d"; the empty text when the control is blank.
void GetIPAddressText(const CIPAddressCtrl& control, QString& text);
// Sets the address from a dotted text: a text without a dot clears the control; otherwise the
// first four pieces (a missing one is 0) take their leading number's low 8 bits.
void SetIPAddressText(CIPAddressCtrl& control, const QString& text);
