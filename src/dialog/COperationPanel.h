#pragma once
// A child panel of the tool dialog built from a template: it keeps the command id it was built
// for, the size of its place and the tool dialog it belongs to.

#include "CDialogBase.h"

class COperationPanel : public CDialogBase {
    Q_OBJECT
public:
    COperationPanel(unsigned templateId, int commandId, int width, int height, QWidget* toolDialog);

    int commandId() const { return commandId_; }
    int panelWidth() const { return width_; }
    int panelHeight() const { return height_; }
    QWidget* toolDialog() const { return toolDialog_; }

    // Builds the controls, moves the panel to place and shows it; false when it cannot be built.
    bool CreateInPlace(const QPoint& place);

protected:
    // Enter in a panel belongs to the tool dialog, never to the panel.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int commandId_;
    int width_;
    int height_;
    QWidget* toolDialog_;
};
