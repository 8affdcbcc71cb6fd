#include "QtMessageBoxService.h"

#include <QApplication>
#include <QThread>

namespace {

QMessageBox::Icon iconOf(unsigned flags)
{
    switch (flags & kMessageBoxIconMask) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The window the user works in: the innermost modal dialog, else the active window.
QWidget* boxOwner()
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : QApplication::activeWindow();
}

int showOnThisThread(const QString& text, const QString& caption, unsigned flags)
{
    const MessageBoxLook look = MapMessageBoxFlags(flags);
    QMessageBox box(look.icon, caption.isEmpty() ? QString::fromLatin1(kProgramCaption) : caption, text, look.buttons,
                    boxOwner());
    box.setDefaultButton(look.defaultButton);
    box.setEscapeButton(look.escapeButton);
    // Over its own window it is in front already; the hint would make some window managers raise
    // the main window above the dialog the box belongs to.
    if (look.topMost && !box.parentWidget())
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
    return MessageBoxAnswer(box.standardButton(box.clickedButton()), flags);
}

} // namespace

MessageBoxLook MapMessageBoxFlags(unsigned flags)
{
    MessageBoxLook look;
    switch (flags & kMessageBoxButtonsMask) {
    case MB_OKCANCEL:
        look.buttons = QMessageBox::Ok | QMessageBox::Cancel;
        look.defaultButton = QMessageBox::Ok;
        look.escapeButton = QMessageBox::Cancel;
        break;
    case MB_YESNOCANCEL:
        look.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        look.defaultButton = QMessageBox::Yes;
        look.escapeButton = QMessageBox::Cancel;
        break;
    case MB_YESNO:
        look.buttons = QMessageBox::Yes | QMessageBox::No;
        look.defaultButton = QMessageBox::Yes;
        look.escapeButton = QMessageBox::No;
        break;
    default:
        look.buttons = QMessageBox::Ok;
        look.defaultButton = QMessageBox::Ok;
        look.escapeButton = QMessageBox::Ok;
        break;
    }
    look.icon = iconOf(flags);
    look.topMost = (flags & MB_TOPMOST) != 0;
    return look;
}

int MessageBoxAnswer(QMessageBox::StandardButton button, unsigned flags)
{
    const MessageBoxLook look = MapMessageBoxFlags(flags);
    if (button == QMessageBox::NoButton || !look.buttons.testFlag(button))
        button = look.escapeButton;
    switch (button) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

int QtMessageBoxService::Show(const QString& text, const QString& caption, unsigned flags)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return showOnThisThread(text, caption, flags);
    int answer = IDCANCEL;
    QMetaObject::invokeMethod(
        app, [&] { answer = showOnThisThread(text, caption, flags); }, Qt::BlockingQueuedConnection);
    return answer;
}

void InstallQtMessageBoxService()
{
    static QtMessageBoxService service;
    SetMessageBoxService(&service);
}
