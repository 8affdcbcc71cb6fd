#pragma once
// Bindings of the alarm pages that go beyond a control's own text (PageConversions.h): a message
// with tag tokens, a field the page keeps itself (the recipients), and a required e-mail address.

#include "CDataCenter.h"
#include "DialogTemplate.h"
#include "LanguagePack.h"
#include "PageConversions.h"
#include "TagTokenText.h"
#include "TextConversion.h"
#include "Validation.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <limits>

// Texts that only their control limits.
inline constexpr int kNoByteLimit = std::numeric_limits<int>::max();

// A message edit: shown with tag names, stored with tag addresses. Stored line breaks are CR LF,
// as the project file reads them back.
struct AsTagTokens {
    std::function<const CDataCenter*()> model;
    ControlType type = ControlType::MenuEdit;

    void Fill(QWidget& control, const QString& value) const
    {
        const CDataCenter* m = model();
        const QString shown = m ? ShowTagTokens(*m, value) : value;
        SetControlText(control, QString(shown).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    void Store(const QWidget& control, QString& value) const
    {
        const CDataCenter* m = model();
        const QString text = ConvertLfToCrLf(ControlText(control));
        value = m ? StoreTagTokens(*m, text) : text;
    }
    QString Check(const QWidget&, const QString&) const { return {}; }
    QString Column(const QString& value) const { return value; }
};

// A field the page holds outside the control (the control only shows it).
struct AsPageValue {
    std::function<void(const QString&)> fill;
    std::function<QString()> value;
    std::function<QString(const QString& label)> check; // the line when bad; may be empty
    ControlType type = ControlType::Edit;

    void Fill(QWidget&, const QString& v) const { fill(v); }
    void Store(const QWidget&, QString& v) const { v = value(); }
    QString Check(const QWidget&, const QString& label) const { return check ? check(label) : QString(); }
    QString Column(const QString& v) const { return v; }
};

// A required e-mail address: the whole text one address.
struct AsEmailAddress {
    static constexpr unsigned kStringBadEmail = 413;
    ControlType type = ControlType::Edit;

    void Fill(QWidget& control, const QString& value) const { SetControlText(control, value); }
    void Store(const QWidget& control, QString& value) const { value = ControlText(control).trimmed(); }
    QString Check(const QWidget& control, const QString& label) const
    {
        const QString text = ControlText(control).trimmed();
        if (text.isEmpty())
            return FormatInvalidItemLine(label);
        if (IsValidEmailAddress(text))
            return {};
        return QStringLiteral("\"%1\" - %2\r\n").arg(label, LoadLangString(kStringBadEmail));
    }
    QString Column(const QString& value) const { return value; }
};
