#include "FieldLabel.h"

QString FieldLabel::Text(const DialogControls& page) const
{
    if (controlId_ == 0 || !page.hasControl(controlId_))
        return text_;
    QString text = page.itemText(controlId_).trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return text.remove(u'&');
}
