#pragma once
// Turns a dialog template into widgets inside a host widget (a grid layout) and keeps them by
// control id. Pages and dialogs reach a control by id with its type checked:
//
//   if (auto* combo = item<QComboBox>(kComboBaudRate)) ...
//
// A wrong type or an unknown id gives nullptr and a trace line naming the template and control;
// id 0 (kNoControl) gives nullptr quietly.
// Handlers are connected by id: onClicked (buttons, check boxes, radios), onChanged (text,
// selection, check state or value changed, also when set by code) and onDoubleClicked (lists and
// trees).

#include "DialogTemplate.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class DialogControls {
public:
    // The id that names no control: asking for it gives nullptr without a trace.
    static constexpr int kNoControl = 0;

    // The template is loaded from the language pack on the first BuildControls.
    explicit DialogControls(unsigned templateId);
    explicit DialogControls(DialogTemplate dialogTemplate);
    virtual ~DialogControls() = default;
    DialogControls(const DialogControls&) = delete;
    DialogControls& operator=(const DialogControls&) = delete;

    // Builds the controls into host once (later calls answer the first result), then runs
    // OnControlsBuilt. False, traced, when the template is missing or malformed, or the host has
    // a layout of its own.
    bool BuildControls(QWidget& host);
    bool IsBuilt() const { return built_; }
    unsigned templateId() const { return templateId_; }
    // The template built, or nullptr before a successful build.
    const DialogTemplate* dialogTemplate() const;

    bool hasControl(int id) const;
    QList<int> controlIds() const;
    // The control, nullptr (traced) for an unknown id.
    QWidget* control(int id) const;
    template <class T>
    T* item(int id) const
    {
        return static_cast<T*>(checkedControl(id, T::staticMetaObject));
    }

    bool onClicked(int id, std::function<void()> handler);
    bool onChanged(int id, std::function<void()> handler);
    bool onDoubleClicked(int id, std::function<void()> handler);

    QString itemText(int id) const;
    bool setItemText(int id, const QString& text);
    bool enableItem(int id, bool enable);
    bool showItem(int id, bool show);
    bool isItemChecked(int id) const;
    bool checkItem(int id, bool checked);

protected:
    // Runs once, right after a successful build; by default OnInitDialog.
    virtual void OnControlsBuilt() { OnInitDialog(); }
    virtual bool OnInitDialog() { return true; }

private:
    QWidget* checkedControl(int id, const QMetaObject& wanted) const;
    void trace(int id, const char* problem, const char* detail = "") const;

    unsigned templateId_ = 0;
    std::optional<DialogTemplate> template_;
    bool built_ = false;
    bool buildResult_ = false;
    QHash<int, QPointer<QWidget>> controls_;
};

// The text a user sees in a control: a label's or button's text, a group box's title, an edit's
// text, a combo box's current text, an IP address field's dotted address; empty for others.
QString WidgetText(const QWidget* widget);
// Sets that text; false for a control without one.
bool SetWidgetText(QWidget* widget, const QString& text);
