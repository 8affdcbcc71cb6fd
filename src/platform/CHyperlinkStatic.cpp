#include "CHyperlinkStatic.h"

#include "ShellOpen.h"

#include <QMouseEvent>

namespace {

constexpr const char* kMailScheme = "mailto:";

} // namespace

CHyperlinkStatic::CHyperlinkStatic(QWidget* parent) : QLabel(parent)
{
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, QColor(kLinkColor));
    setPalette(colors);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
}

void CHyperlinkStatic::SetLink(const QString& shownText, const QString& target, const QString& parameters)
{
    shownText_ = shownText;
    target_ = target;
    parameters_ = parameters;
    showCurrentText();
}

void CHyperlinkStatic::SetMailLink(const QString& address)
{
    mailAddress_ = address;
    showCurrentText();
}

// The e-mail address, when there is one, is what the control shows.
void CHyperlinkStatic::showCurrentText()
{
    const QString text = mailAddress_.isEmpty() ? shownText_ : mailAddress_;
    setText(text);
    SizeToText(text);
}

void CHyperlinkStatic::SizeToText(const QString& text)
{
    setFixedWidth(fontMetrics().horizontalAdvance(text));
}

void CHyperlinkStatic::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (!mailAddress_.isEmpty())
            ShellOpen(QLatin1String(kMailScheme) + mailAddress_);
        if (!shownText_.isEmpty() && !ShellOpen(target_, parameters_) && !fallback_.isEmpty())
            ShellOpen(fallback_);
    }
    QLabel::mouseReleaseEvent(event);
}

void CHyperlinkStatic::enterEvent(QEnterEvent* event)
{
    hovering_ = true;
    QLabel::enterEvent(event);
}

void CHyperlinkStatic::leaveEvent(QEvent* event)
{
    hovering_ = false;
    QLabel::leaveEvent(event);
}
