#include "COperationPanel.h"

#include <QKeyEvent>

COperationPanel::COperationPanel(unsigned templateId, int commandId, int width, int height, QWidget* toolDialog)
    : CDialogBase(templateId, toolDialog), commandId_(commandId), width_(width), height_(height),
      toolDialog_(toolDialog)
{
    setWindowFlags(Qt::Widget);
}

bool COperationPanel::CreateInPlace(const QPoint& place)
{
    if (!Create())
        return false;
    setGeometry(place.x(), place.y(), width_, height_);
    show();
    return true;
}

void COperationPanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    CDialogBase::keyPressEvent(event);
}
