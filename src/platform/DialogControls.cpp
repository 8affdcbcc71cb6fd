#include "DialogControls.h"

#include "CColorStatic.h"
#include "CHyperlinkStatic.h"
#include "CIPAddressCtrl.h"
#include "CListCtrlEx.h"
#include "CMenuEdit.h"
#include "PackImage.h"
#include "TraceLog.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

#include <utility>

namespace {

constexpr const char* kDigitsPattern = "[0-9]*";

// Creates one control of the template, empty of any page logic.
class ControlFactory {
public:
    explicit ControlFactory(QWidget& host) : host_(host) {}

    QWidget* Create(const ControlTemplate& control, QWidget* parent)
    {
        const QString text = control.text.Resolve();
        QWidget* widget = createWidget(control, text, parent);
        widget->setEnabled(!control.has(ControlFlag::Disabled));
        if (control.has(ControlFlag::Hidden))
            widget->setHidden(true);
        return widget;
    }

private:
    QWidget* createWidget(const ControlTemplate& control, const QString& text, QWidget* parent)
    {
        switch (control.type) {
        case ControlType::Static:
            return new QLabel(text, parent);
        case ControlType::Edit:
            return lineEdit(control, text, parent);
        case ControlType::MultiLineEdit:
            return plainEdit(new QPlainTextEdit(parent), control, text);
        case ControlType::MenuEdit:
            return plainEdit(new CMenuEdit(parent), control, text);
        case ControlType::Button: {
            auto* button = new QPushButton(text, parent);
            button->setDefault(control.has(ControlFlag::DefaultButton));
            return button;
        }
        case ControlType::CheckBox:
            return new QCheckBox(text, parent);
        case ControlType::Radio:
            return radio(control, text, parent);
        case ControlType::GroupBox:
            return new QGroupBox(text, parent);
        case ControlType::DropList:
        case ControlType::DropDown:
            return comboBox(control, text, parent);
        case ControlType::List:
            return new CListCtrlEx(parent);
        case ControlType::Tree: {
            auto* tree = new QTreeWidget(parent);
            tree->setHeaderHidden(true);
            return tree;
        }
        case ControlType::Tab:
            return new QTabWidget(parent);
        case ControlType::IPAddress: {
            auto* address = new CIPAddressCtrl(parent);
            address->SetReadOnly(control.has(ControlFlag::ReadOnly));
            return address;
        }
        case ControlType::Spin:
            return new QSpinBox(parent);
        case ControlType::Progress: {
            auto* progress = new QProgressBar(parent);
            progress->setRange(0, 100);
            progress->setValue(0);
            return progress;
        }
        case ControlType::Hyperlink: {
            auto* link = new CHyperlinkStatic(parent);
            link->setText(text);
            link->SizeToText(text);
            return link;
        }
        case ControlType::ColorStatic: {
            auto* label = new CColorStatic(parent);
            label->setText(text);
            return label;
        }
        case ControlType::Picture: {
            auto* picture = new QLabel(parent);
            if (control.imageId != 0)
                picture->setPixmap(QPixmap::fromImage(LoadPackImage(control.imageId)));
            return picture;
        }
        }
        return new QWidget(parent);
    }

    QWidget* lineEdit(const ControlTemplate& control, const QString& text, QWidget* parent)
    {
        auto* edit = new QLineEdit(text, parent);
        edit->setReadOnly(control.has(ControlFlag::ReadOnly));
        if (control.has(ControlFlag::Password))
            edit->setEchoMode(QLineEdit::Password);
        if (control.has(ControlFlag::NumberOnly))
            edit->setValidator(digitsOnly(edit));
        return edit;
    }

    static QWidget* plainEdit(QPlainTextEdit* edit, const ControlTemplate& control, const QString& text)
    {
        edit->setPlainText(text);
        edit->setReadOnly(control.has(ControlFlag::ReadOnly));
        return edit;
    }

    QWidget* comboBox(const ControlTemplate& control, const QString& text, QWidget* parent)
    {
        auto* combo = new QComboBox(parent);
        if (control.type == ControlType::DropDown) {
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setEditText(text);
            if (control.has(ControlFlag::NumberOnly))
                combo->setValidator(digitsOnly(combo));
        }
        return combo;
    }

    // Radio buttons of one group number (per parent) are exclusive with each other only.
    QWidget* radio(const ControlTemplate& control, const QString& text, QWidget* parent)
    {
        auto* button = new QRadioButton(text, parent);
        const std::pair<QWidget*, int> key{parent, control.radioGroup};
        QButtonGroup*& group = radioGroups_[key];
        if (!group)
            group = new QButtonGroup(&host_);
        group->addButton(button);
        return button;
    }

    static QValidator* digitsOnly(QObject* owner)
    {
        return new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(kDigitsPattern)), owner);
    }

    QWidget& host_;
    QHash<std::pair<QWidget*, int>, QButtonGroup*> radioGroups_;
};

bool expands(const QWidget* widget, Qt::Orientation orientation)
{
    const QSizePolicy policy = widget->sizePolicy();
    const QSizePolicy::Policy p = orientation == Qt::Vertical ? policy.verticalPolicy() : policy.horizontalPolicy();
    return (p & QSizePolicy::ExpandFlag) != 0;
}

// Without an expanding control, spare room goes below and right of the controls, not between them.
void addSpareRoom(QGridLayout& grid, const QList<QWidget*>& widgets)
{
    bool growsDown = false;
    bool growsRight = false;
    for (const QWidget* widget : widgets) {
        growsDown = growsDown || expands(widget, Qt::Vertical);
        growsRight = growsRight || expands(widget, Qt::Horizontal);
    }
    if (!growsDown)
        grid.setRowStretch(grid.rowCount(), 1);
    if (!growsRight)
        grid.setColumnStretch(grid.columnCount(), 1);
}

template <class Signal, class Sender>
bool connectTo(QWidget* widget, Signal signal, const std::function<void()>& handler)
{
    auto* sender = qobject_cast<Sender*>(widget);
    if (!sender)
        return false;
    QObject::connect(sender, signal, widget, [handler] { handler(); });
    return true;
}

} // namespace

DialogControls::DialogControls(unsigned templateId) : templateId_(templateId)
{}

DialogControls::DialogControls(DialogTemplate dialogTemplate)
    : templateId_(dialogTemplate.id), template_(std::move(dialogTemplate))
{}

bool DialogControls::BuildControls(QWidget& host)
{
    if (built_)
        return buildResult_;
    built_ = true;
    if (!template_)
        template_ = LoadDialogTemplate(templateId_);
    if (!template_)
        return false;
    if (host.layout()) {
        trace(0, "the host widget already has a layout");
        template_.reset();
        return false;
    }
    auto* grid = new QGridLayout(&host);
    QHash<int, QGridLayout*> groupGrids;
    QHash<QGridLayout*, QList<QWidget*>> placed;
    ControlFactory factory(host);
    for (const ControlTemplate& control : template_->controls) {
        QGridLayout* target = control.groupBoxId != 0 ? groupGrids.value(control.groupBoxId) : grid;
        if (!target) {
            trace(control.id, "names no group box above it; placed in the dialog");
            target = grid;
        }
        QWidget* widget = factory.Create(control, target->parentWidget());
        target->addWidget(widget, control.row, control.column, control.rowSpan, control.columnSpan);
        placed[target].append(widget);
        if (control.type == ControlType::GroupBox && control.id != kNoControlId)
            groupGrids.insert(control.id, new QGridLayout(widget));
        if (control.id != kNoControlId) {
            widget->setObjectName(QString::number(control.id));
            controls_.insert(control.id, widget);
        }
    }
    for (auto it = placed.constBegin(); it != placed.constEnd(); ++it)
        addSpareRoom(*it.key(), it.value());
    host.setWindowTitle(template_->caption.Resolve());
    if (template_->sizeHint.isValid())
        host.resize(template_->sizeHint);
    buildResult_ = true;
    OnControlsBuilt();
    return true;
}

const DialogTemplate* DialogControls::dialogTemplate() const
{
    return buildResult_ && template_ ? &*template_ : nullptr;
}

bool DialogControls::hasControl(int id) const
{
    return !controls_.value(id).isNull();
}

QList<int> DialogControls::controlIds() const
{
    return controls_.keys();
}

QWidget* DialogControls::control(int id) const
{
    // Id 0 is how callers say "no such control" (a page without that button): no trace.
    if (id == kNoControl)
        return nullptr;
    QWidget* widget = controls_.value(id);
    if (!widget)
        trace(id, "no such control");
    return widget;
}

QWidget* DialogControls::checkedControl(int id, const QMetaObject& wanted) const
{
    QWidget* widget = control(id);
    if (!widget)
        return nullptr;
    if (!wanted.cast(widget)) {
        trace(id, "has another type than", wanted.className());
        return nullptr;
    }
    return widget;
}

void DialogControls::trace(int id, const char* problem, const char* detail) const
{
    TraceLog("%s:%d dialog template %u, control %d: %s %s", __FILE__, __LINE__, templateId_, id, problem, detail);
}

bool DialogControls::onClicked(int id, std::function<void()> handler)
{
    QWidget* widget = control(id);
    if (!widget)
        return false;
    if (connectTo<decltype(&QAbstractButton::clicked), QAbstractButton>(widget, &QAbstractButton::clicked, handler))
        return true;
    trace(id, "has no click:", widget->metaObject()->className());
    return false;
}

bool DialogControls::onChanged(int id, std::function<void()> handler)
{
    QWidget* widget = control(id);
    if (!widget)
        return false;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->isEditable())
            QObject::connect(combo, &QComboBox::currentTextChanged, widget, [handler] { handler(); });
        else
            QObject::connect(combo, &QComboBox::currentIndexChanged, widget, [handler] { handler(); });
        return true;
    }
    const bool connected =
        connectTo<decltype(&QLineEdit::textChanged), QLineEdit>(widget, &QLineEdit::textChanged, handler) ||
        connectTo<decltype(&QPlainTextEdit::textChanged), QPlainTextEdit>(widget, &QPlainTextEdit::textChanged,
                                                                          handler) ||
        connectTo<decltype(&QAbstractButton::toggled), QAbstractButton>(widget, &QAbstractButton::toggled, handler) ||
        connectTo<decltype(&QSpinBox::valueChanged), QSpinBox>(widget, &QSpinBox::valueChanged, handler) ||
        connectTo<decltype(&CIPAddressCtrl::addressChanged), CIPAddressCtrl>(widget, &CIPAddressCtrl::addressChanged,
                                                                             handler) ||
        connectTo<decltype(&QTabWidget::currentChanged), QTabWidget>(widget, &QTabWidget::currentChanged, handler) ||
        connectTo<decltype(&CListCtrlEx::itemSelectionChanged), CListCtrlEx>(widget, &CListCtrlEx::itemSelectionChanged,
                                                                             handler) ||
        connectTo<decltype(&QTreeWidget::currentItemChanged), QTreeWidget>(widget, &QTreeWidget::currentItemChanged,
                                                                           handler);
    if (!connected)
        trace(id, "has no change notification:", widget->metaObject()->className());
    return connected;
}

bool DialogControls::onDoubleClicked(int id, std::function<void()> handler)
{
    QWidget* widget = control(id);
    if (!widget)
        return false;
    if (connectTo<decltype(&QAbstractItemView::doubleClicked), QAbstractItemView>(
            widget, &QAbstractItemView::doubleClicked, handler))
        return true;
    trace(id, "has no double click:", widget->metaObject()->className());
    return false;
}

QString DialogControls::itemText(int id) const
{
    return WidgetText(control(id));
}

bool DialogControls::setItemText(int id, const QString& text)
{
    QWidget* widget = control(id);
    if (widget && SetWidgetText(widget, text))
        return true;
    if (widget)
        trace(id, "has no text:", widget->metaObject()->className());
    return false;
}

bool DialogControls::enableItem(int id, bool enable)
{
    QWidget* widget = control(id);
    if (widget)
        widget->setEnabled(enable);
    return widget != nullptr;
}

bool DialogControls::showItem(int id, bool show)
{
    QWidget* widget = control(id);
    if (widget)
        widget->setVisible(show);
    return widget != nullptr;
}

bool DialogControls::isItemChecked(int id) const
{
    const auto* button = item<QAbstractButton>(id);
    return button && button->isChecked();
}

bool DialogControls::checkItem(int id, bool checked)
{
    auto* button = item<QAbstractButton>(id);
    if (!button || !button->isCheckable())
        return false;
    button->setChecked(checked);
    return true;
}

QString WidgetText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget))
        return edit->toPlainText();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    if (const auto* spin = qobject_cast<const QSpinBox*>(widget))
        return spin->text();
    if (const auto* address = qobject_cast<const CIPAddressCtrl*>(widget)) {
        QString text;
        GetIPAddressText(*address, text);
        return text;
    }
    return {};
}

bool SetWidgetText(QWidget* widget, const QString& text)
{
    if (auto* link = qobject_cast<CHyperlinkStatic*>(widget)) {
        link->setText(text);
        link->SizeToText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable()) {
        combo->setEditText(text);
    } else if (auto* address = qobject_cast<CIPAddressCtrl*>(widget)) {
        SetIPAddressText(*address, text);
    } else {
        return false;
    }
    return true;
}
