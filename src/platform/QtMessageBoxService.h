#pragma once
// The program's message boxes: QMessageBox with the MB_ flags turned into buttons, icon and
// window flags, answering with the ID of the chosen button.

#include "MessageBoxService.h"

#include <QMessageBox>

// What a box with these flags shows.
struct MessageBoxLook {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool topMost = false;
};

// Unknown button sets show OK alone; unknown icons show none.
MessageBoxLook MapMessageBoxFlags(unsigned flags);
// The ID answer for the button the box ended with; a box closed without a button (or with one its
// flags do not have) answers as its escape button would.
int MessageBoxAnswer(QMessageBox::StandardButton button, unsigned flags);

class QtMessageBoxService : public IMessageBoxService {
public:
    // Shows a modal box over the active window; from another thread, the box is shown on the UI
    // thread and this call waits for the answer.
    int Show(const QString& text, const QString& caption, unsigned flags) override;
};

// Installs the program's message-box service for the rest of the run.
void InstallQtMessageBoxService();
