#pragma once
// The system's warning icon in a picture control of a dialog.

class QWidget;

// Nothing happens when the control is not a label.
void ShowWarningIcon(QWidget* picture);
