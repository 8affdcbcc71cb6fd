#pragma once
// How a bound field travels between a control and the page's working copy (PageBindings.h).
// Each conversion names the control type it needs and offers:
//   Fill(control, value)          show the value;
//   Store(control, value&)        take the control's value (called only once Check passed);
//   Check(control, label) -> line the message line when the control's value is bad, else empty;
//   Column(value) -> text         the value as a list column shows it.
// A page may write its own conversion with these four members and a `type`.
//
//   AsIndex(OptionList("Serial", "Baudrate"))           drop list, field: position in the list
//   AsNumber(SettingsTriple("SMTP", "PortValue", {25, 1, 65535}))   edit, within the triple (646)
//   AsEditNumber(triple)                                edit, within the triple (849)
//   AsText(64)                                          edit, at most 64 UTF-8 bytes (610)
//   AsRequiredText(64)                                  the same, not empty (647)
//   AsAddressText(limit)                                address or URL: not empty (647), limit bytes (628)
//   AsIPv4()                                            dotted IPv4 address in an edit or IP control (647)
//   AsCheck()                                           check box, field 1 or 0
//   AsHex(0xFFFF)                                       edit, hexadecimal digits up to the maximum (648)
//   AsItemData {{{"RS-232", 0}, {"RS-485", 2}}}          drop list, field: the chosen item's number
//   AsConfirmationOf {this, kEditPassword}              edit repeating another edit: shows the field,
//                                                       stores nothing, differs: 635

#include "ConfigFiles.h"
#include "DialogTemplate.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtGlobal>

#include <limits>

inline constexpr unsigned kStringAddressTooLong = 628; // label, maximum
inline constexpr unsigned kStringConfirmationDiffers = 635;

class DialogControls;

// A DefaultSettings.ini list: its items at their positions.
QStringList OptionList(const QString& section, const QString& key);
// A DefaultSettings.ini triple: exactly three numbers, else the built-in triple whole.
SettingTriple SettingsTriple(const QString& section, const QString& key, const SettingTriple& builtIn);
// The triple's limits as a range label shows them: "(1-247)", or in a format such as "ms (%1-%2)".
QString RangeTextOf(const SettingTriple& triple, const char* format = "(%1-%2)");

// The control's text (edit, IP address control, combo box's current text).
QString ControlText(const QWidget& control);
void SetControlText(QWidget& control, const QString& text);

struct AsIndex {
    QStringList options;
    ControlType type = ControlType::DropList;

    template <class V>
    void Fill(QWidget& control, V value) const
    {
        fillIndex(control, static_cast<int>(value));
    }
    template <class V>
    void Store(const QWidget& control, V& value) const
    {
        value = static_cast<V>(currentIndex(control));
    }
    QString Check(const QWidget& control, const QString& label) const;
    template <class V>
    QString Column(V value) const
    {
        return options.value(static_cast<int>(value));
    }

private:
    void fillIndex(QWidget& control, int index) const;
    static int currentIndex(const QWidget& control);
};

struct AsNumber {
    SettingTriple range;
    unsigned messageId = 646; // 646: "between"; 849: the edit-range wording
    ControlType type = ControlType::Edit;
    bool required = false; // an empty edit is a missing entry (647), not a number out of range

    template <class V>
    void Fill(QWidget& control, V value) const
    {
        SetControlText(control, QString::number(value));
    }
    template <class V>
    void Store(const QWidget& control, V& value) const
    {
        value = static_cast<V>(number(control));
    }
    QString Check(const QWidget& control, const QString& label) const;
    template <class V>
    QString Column(V value) const
    {
        return QString::number(value);
    }

private:
    static qint64 number(const QWidget& control);
};

inline AsNumber AsEditNumber(const SettingTriple& range)
{
    return AsNumber{range, 849};
}
// Any whole number unless a range is given; empty is a missing entry (647).
inline AsNumber AsRequiredNumber(const SettingTriple& range = {0, std::numeric_limits<int>::min(),
                                                               std::numeric_limits<int>::max()})
{
    return AsNumber{range, 646, ControlType::Edit, true};
}

struct AsText {
    int maxBytes = 64;
    bool required = false;
    unsigned tooLongId = 610; // label, limit
    ControlType type = ControlType::Edit;

    void Fill(QWidget& control, const QString& value) const { SetControlText(control, value); }
    void Store(const QWidget& control, QString& value) const { value = ControlText(control); }
    QString Check(const QWidget& control, const QString& label) const;
    QString Column(const QString& value) const { return value; }
};

inline AsText AsRequiredText(int maxBytes)
{
    return AsText{maxBytes, true};
}
inline AsText AsAddressText(int maxBytes)
{
    return AsText{maxBytes, true, kStringAddressTooLong};
}

struct AsIPv4 {
    ControlType type = ControlType::Edit; // ControlType::IPAddress for an IP address control

    void Fill(QWidget& control, const QString& value) const { SetControlText(control, value); }
    void Store(const QWidget& control, QString& value) const { value = ControlText(control).trimmed(); }
    QString Check(const QWidget& control, const QString& label) const;
    QString Column(const QString& value) const { return value; }
};

struct AsCheck {
    ControlType type = ControlType::CheckBox;

    template <class V>
    void Fill(QWidget& control, V value) const
    {
        setChecked(control, value != V{});
    }
    template <class V>
    void Store(const QWidget& control, V& value) const
    {
        value = static_cast<V>(isChecked(control) ? 1 : 0);
    }
    QString Check(const QWidget&, const QString&) const { return {}; }
    template <class V>
    QString Column(V value) const
    {
        return QString::number(value != V{} ? 1 : 0);
    }

private:
    static void setChecked(QWidget& control, bool checked);
    static bool isChecked(const QWidget& control);
};

struct AsHex {
    quint32 maximum = 0xFFFFFFFFu;
    ControlType type = ControlType::Edit;

    template <class V>
    void Fill(QWidget& control, V value) const
    {
        SetControlText(control, hexText(static_cast<quint32>(value)));
    }
    template <class V>
    void Store(const QWidget& control, V& value) const
    {
        value = static_cast<V>(number(control));
    }
    QString Check(const QWidget& control, const QString& label) const;
    template <class V>
    QString Column(V value) const
    {
        return hexText(static_cast<quint32>(value));
    }

    static QString hexText(quint32 value) { return QString::number(value, 16).toUpper(); }

private:
    static quint32 number(const QWidget& control);
};

struct AsConfirmationOf {
    const DialogControls* page = nullptr;
    int confirmedEdit = 0;
    ControlType type = ControlType::Edit;

    void Fill(QWidget& control, const QString& value) const { SetControlText(control, value); }
    void Store(const QWidget&, QString&) const {}
    QString Check(const QWidget& control, const QString& label) const;
    QString Column(const QString&) const { return {}; }
};

// A drop list whose items carry numbers of their own: the field holds the chosen item's number; a
// number no item carries shows no selection (and is refused on store).
struct AsItemData {
    QList<QPair<QString, int>> items;
    ControlType type = ControlType::DropList;

    template <class V>
    void Fill(QWidget& control, V value) const
    {
        fillData(control, static_cast<int>(value));
    }
    template <class V>
    void Store(const QWidget& control, V& value) const
    {
        value = static_cast<V>(currentData(control));
    }
    QString Check(const QWidget& control, const QString& label) const;
    template <class V>
    QString Column(V value) const
    {
        return textOf(static_cast<int>(value));
    }

private:
    void fillData(QWidget& control, int value) const;
    static int currentData(const QWidget& control);
    QString textOf(int value) const;
};
