#pragma once
// Handlers run when an edit gets or loses the focus.

#include <QEvent>

#include <functional>

class QLineEdit;
class QWidget;

// Runs the handler whenever the widget receives an event of the type (FocusIn, FocusOut).
void OnFocusEvent(QWidget& widget, QEvent::Type type, std::function<void()> handler);

// Runs check when the edit loses the focus after the user typed into it, while armed() holds; a
// failing check (it shows its message) puts the focus back and the check runs again on the next loss.
void CheckEditOnFocusLoss(QLineEdit& edit, std::function<bool()> armed, std::function<bool()> check);
