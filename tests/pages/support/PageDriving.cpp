#include "PageDriving.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

bool setText(QWidget& widget, const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(&widget); combo && !combo->isEditable()) {
        const int index = combo->findText(text);
        if (index < 0)
            return false;
        combo->setCurrentIndex(index);
        return true;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        edit->selectAll();
        edit->insert(text); // as typed: the edit's length limit holds
        return true;
    }
    return SetWidgetText(&widget, text);
}

bool setIndex(QWidget& widget, int index)
{
    auto* combo = qobject_cast<QComboBox*>(&widget);
    if (!combo || index >= combo->count())
        return false;
    combo->setCurrentIndex(index);
    return true;
}

bool setChecked(QWidget& widget, bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(&widget);
    if (!button || !button->isCheckable())
        return false;
    if (button->isChecked() != checked)
        button->click();
    return button->isChecked() == checked;
}

} // namespace

bool SetControl(const DialogControls& page, const ControlInput& input)
{
    QWidget* widget = page.hasControl(input.id) ? page.control(input.id) : nullptr;
    bool done = false;
    if (widget) {
        if (const auto* text = std::get_if<QString>(&input.value))
            done = setText(*widget, *text);
        else if (const auto* index = std::get_if<int>(&input.value))
            done = setIndex(*widget, *index);
        else
            done = setChecked(*widget, std::get<bool>(input.value));
    }
    EXPECT_TRUE(done) << "control " << input.id << " cannot be set so";
    return done;
}

bool PressButton(const DialogControls& page, int buttonId)
{
    auto* button = page.hasControl(buttonId) ? qobject_cast<QAbstractButton*>(page.control(buttonId)) : nullptr;
    const bool pressable = button && button->isEnabled();
    EXPECT_TRUE(pressable) << "control " << buttonId << " is no enabled button";
    if (pressable)
        button->click();
    return pressable;
}

bool LeaveControl(const DialogControls& page, int id)
{
    QWidget* widget = page.hasControl(id) ? page.control(id) : nullptr;
    EXPECT_NE(widget, nullptr) << "control " << id;
    if (!widget)
        return false;
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(widget, &focusOut);
    return true;
}

QString ControlState(const DialogControls& page, int id)
{
    QWidget* widget = page.hasControl(id) ? page.control(id) : nullptr;
    if (!widget)
        return QStringLiteral("<none>");
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return QStringLiteral("#%1 %2").arg(combo->currentIndex()).arg(combo->currentText());
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable())
        return button->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    return page.itemText(id);
}

QString SaveScreenshot(QWidget& widget, const QString& name)
{
    const QDir folder(QString::fromUtf8(PELANDRIX_TEST_ARTEFACT_DIR));
    folder.mkpath(QStringLiteral("."));
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
    return path;
}
