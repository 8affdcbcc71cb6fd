#include "PageConversions.h"

#include "DialogControls.h"
#include "LanguagePack.h"
#include "ServiceDefaultsReader.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QHostAddress>

QStringList OptionList(const QString& section, const QString& key)
{
    return ServiceDefaults::ReadList(section, key);
}

SettingTriple SettingsTriple(const QString& section, const QString& key, const SettingTriple& builtIn)
{
    return ServiceDefaults::ReadTriple(section, key, builtIn);
}

QString ControlText(const QWidget& control)
{
    return WidgetText(&control);
}

void SetControlText(QWidget& control, const QString& text)
{
    SetWidgetText(&control, text);
}

// ---- AsIndex ----

void AsIndex::fillIndex(QWidget& control, int index) const
{
    auto* combo = qobject_cast<QComboBox*>(&control);
    if (!combo)
        return;
    if (combo->count() != options.size()) {
        combo->clear();
        combo->addItems(options);
    }
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

int AsIndex::currentIndex(const QWidget& control)
{
    const auto* combo = qobject_cast<const QComboBox*>(&control);
    return combo ? combo->currentIndex() : -1;
}

QString AsIndex::Check(const QWidget& control, const QString& label) const
{
    return currentIndex(control) < 0 ? FormatInvalidItemLine(label) : QString();
}

// ---- AsNumber ----

namespace {

// The whole text as a number; nullopt for anything else (blanks around it are allowed).
std::optional<qint64> wholeNumber(const QString& text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

qint64 AsNumber::number(const QWidget& control)
{
    return wholeNumber(ControlText(control)).value_or(0);
}

QString AsNumber::Check(const QWidget& control, const QString& label) const
{
    const std::optional<qint64> value = wholeNumber(ControlText(control));
    if ((value && *value >= range.minimum && *value <= range.maximum) || label.isEmpty())
        return {};
    if (required && ControlText(control).trimmed().isEmpty())
        return FormatInvalidItemLine(label);
    return FormatLangString(messageId, label, quint32(range.minimum), quint32(range.maximum)) + QStringLiteral("\r\n");
}

// ---- AsText ----

QString AsText::Check(const QWidget& control, const QString& label) const
{
    const QString text = ControlText(control);
    if (required && text.trimmed().isEmpty())
        return FormatInvalidItemLine(label);
    if (FitsByteLength(text, maxBytes) || label.isEmpty())
        return {};
    return FormatLangString(tooLongId, label, quint32(maxBytes)) + QStringLiteral("\r\n");
}

// ---- AsIPv4 ----

QString AsIPv4::Check(const QWidget& control, const QString& label) const
{
    const QString text = ControlText(control).trimmed();
    const QHostAddress address(text);
    const bool dotted = text.count(u'.') == 3;
    if (dotted && address.protocol() == QAbstractSocket::IPv4Protocol)
        return {};
    return FormatInvalidItemLine(label);
}

// ---- AsCheck ----

void AsCheck::setChecked(QWidget& control, bool checked)
{
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setChecked(checked);
}

bool AsCheck::isChecked(const QWidget& control)
{
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    return button && button->isChecked();
}

// ---- AsHex ----

quint32 AsHex::number(const QWidget& control)
{
    bool ok = false;
    const quint32 value = ControlText(control).trimmed().toUInt(&ok, 16);
    return ok ? value : 0;
}

QString AsHex::Check(const QWidget& control, const QString& label) const
{
    const QString text = ControlText(control).trimmed();
    bool ok = false;
    const quint32 value = text.toUInt(&ok, 16);
    return ok && value <= maximum ? QString() : FormatItemErrorLine(label);
}

// ---- AsConfirmationOf ----

QString AsConfirmationOf::Check(const QWidget& control, const QString&) const
{
    if (!page || page->itemText(confirmedEdit) == ControlText(control))
        return {};
    return LoadLangString(kStringConfirmationDiffers) + QStringLiteral("\r\n");
}

// ---- AsItemData ----

void AsItemData::fillData(QWidget& control, int value) const
{
    auto* combo = qobject_cast<QComboBox*>(&control);
    if (!combo)
        return;
    if (combo->count() != items.size()) {
        combo->clear();
        for (const auto& [text, number] : items)
            combo->addItem(text, number);
    }
    combo->setCurrentIndex(combo->findData(value));
}

int AsItemData::currentData(const QWidget& control)
{
    const auto* combo = qobject_cast<const QComboBox*>(&control);
    return combo && combo->currentIndex() >= 0 ? combo->currentData().toInt() : -1;
}

QString AsItemData::Check(const QWidget& control, const QString& label) const
{
    const auto* combo = qobject_cast<const QComboBox*>(&control);
    return combo && combo->currentIndex() >= 0 ? QString() : FormatInvalidItemLine(label);
}

QString AsItemData::textOf(int value) const
{
    for (const auto& [text, number] : items) {
        if (number == value)
            return text;
    }
    return {};
}

QString RangeTextOf(const SettingTriple& triple, const char* format)
{
    return QString::fromLatin1(format).arg(triple.minimum).arg(triple.maximum);
}
