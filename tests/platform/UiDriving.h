#pragma once
// Drives widgets the way a user does: key presses with their text, mouse clicks at the centre.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

namespace UiDriving {

inline void KeyClick(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        KeyClick(widget, c.toUpper().unicode(), Qt::NoModifier, QString(c));
}

// By default near the left edge, where check boxes and radio buttons have their box.
inline void MouseClick(QWidget* widget, QPoint at = QPoint(-1, -1))
{
    if (at == QPoint(-1, -1))
        at = QPoint(qMin(6, widget->width() / 2), widget->height() / 2);
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

} // namespace UiDriving
