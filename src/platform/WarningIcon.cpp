#include "WarningIcon.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

namespace {

constexpr int kIconSize = 32;

} // namespace

void ShowWarningIcon(QWidget* picture)
{
    auto* label = qobject_cast<QLabel*>(picture);
    if (!label)
        return;
    const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, label);
    label->setPixmap(icon.pixmap(kIconSize, kIconSize));
}
