#pragma once
// One table per page binding its controls to the fields of its working copy. The same table fills
// the controls, stores them, validates them into one report naming every bad field by its label,
// and gives the texts of list columns.
//
//   PageBindings<SMTP_SERVER_SETTINGS> bindings;
//   bindings.Bind(kEditName, kLabelName, &SMTP_SERVER_SETTINGS::Name, AsRequiredText(64))
//           .Bind(kEditPort, kLabelPort, &SMTP_SERVER_SETTINGS::Port,
//                 AsNumber {SettingsTriple("SMTP", "PortValue", {25, 1, 65535})});
//   bindings.Fill(page, record);                // on show, inside a BusyGuard
//   if (bindings.Validate(page, report)) bindings.Store(page, record);
//   row << bindings.ColumnText(kEditPort, record);
//
// The label is a control id (its text is read when the report is made) or a fixed text.

#include "ControlId.h"
#include "DialogControls.h"
#include "FieldLabel.h"
#include "TraceLog.h"
#include "ValidationReport.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

template <class Record>
class PageBindings {
public:
    template <class Field, class Conversion>
    PageBindings& Bind(ControlId control, FieldLabel label, Field Record::*field, Conversion conversion)
    {
        Binding binding{control, std::move(label), {}, {}, {}, {}};
        binding.fill = [field, conversion](QWidget& widget, const Record& record) {
            conversion.Fill(widget, record.*field);
        };
        binding.store = [field, conversion](const QWidget& widget, Record& record) {
            conversion.Store(widget, record.*field);
        };
        binding.check = [conversion](const QWidget& widget, const QString& text) {
            return conversion.Check(widget, text);
        };
        binding.column = [field, conversion](const Record& record) { return conversion.Column(record.*field); };
        if (control.type != conversion.type)
            TraceLog("control %d is declared as another control type than its binding needs", control.id);
        bindings_.push_back(std::move(binding));
        return *this;
    }

    // The same for a field reached through the record (a member of a member): `access` is
    // called with the record, const or not, and returns the field, e.g.
    //   [](auto& r) -> auto& { return r.Account.UserName; }
    template <class Access, class Conversion>
    PageBindings& BindAt(ControlId control, FieldLabel label, Access access, Conversion conversion)
    {
        Binding binding{control, std::move(label), {}, {}, {}, {}};
        binding.fill = [access, conversion](QWidget& widget, const Record& record) {
            conversion.Fill(widget, access(record));
        };
        binding.store = [access, conversion](const QWidget& widget, Record& record) {
            conversion.Store(widget, access(record));
        };
        binding.check = [conversion](const QWidget& widget, const QString& text) {
            return conversion.Check(widget, text);
        };
        binding.column = [access, conversion](const Record& record) { return conversion.Column(access(record)); };
        if (control.type != conversion.type)
            TraceLog("control %d is declared as another control type than its binding needs", control.id);
        bindings_.push_back(std::move(binding));
        return *this;
    }

    // Shows every bound field in its control.
    void Fill(const DialogControls& page, const Record& record) const
    {
        for (const Binding& binding : bindings_) {
            if (QWidget* widget = controlOf(page, binding))
                binding.fill(*widget, record);
        }
    }

    // Takes every bound control into its field.
    void Store(const DialogControls& page, Record& record) const
    {
        for (const Binding& binding : bindings_) {
            if (const QWidget* widget = controlOf(page, binding))
                binding.store(*widget, record);
        }
    }

    // Adds a line per bad control to the report, in table order; true when none was bad.
    bool Validate(const DialogControls& page, ValidationReport& report) const
    {
        bool good = true;
        for (const Binding& binding : bindings_) {
            QWidget* widget = controlOf(page, binding);
            if (!widget)
                continue;
            const QString line = binding.check(*widget, binding.label.Text(page));
            if (line.isEmpty())
                continue;
            report.Add(line, widget);
            good = false;
        }
        return good;
    }

    // The field bound to the control as a list column shows it; empty for an unbound control.
    QString ColumnText(int controlId, const Record& record) const
    {
        for (const Binding& binding : bindings_) {
            if (binding.control.id == controlId)
                return binding.column(record);
        }
        return {};
    }

    QStringList ColumnTexts(std::initializer_list<int> controlIds, const Record& record) const
    {
        QStringList texts;
        for (int id : controlIds)
            texts << ColumnText(id, record);
        return texts;
    }

    // The bound controls, for the check against the template.
    std::vector<ControlId> Controls() const
    {
        std::vector<ControlId> controls;
        for (const Binding& binding : bindings_)
            controls.push_back(binding.control);
        return controls;
    }

private:
    struct Binding {
        ControlId control;
        FieldLabel label;
        std::function<void(QWidget&, const Record&)> fill;
        std::function<void(const QWidget&, Record&)> store;
        std::function<QString(const QWidget&, const QString&)> check;
        std::function<QString(const Record&)> column;
    };

    static QWidget* controlOf(const DialogControls& page, const Binding& binding)
    {
        return page.hasControl(binding.control.id) ? page.control(binding.control.id) : nullptr;
    }

    std::vector<Binding> bindings_;
};
