#include "CColorStatic.h"

CColorStatic::CColorStatic(QWidget* parent) : QLabel(parent), backgroundColor_(palette().color(QPalette::Button))
{
    setAutoFillBackground(true);
    applyColors();
}

void CColorStatic::ChangeTextColor(const QColor& color)
{
    textColor_ = color;
    applyColors();
    repaint();
}

void CColorStatic::applyColors()
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, backgroundColor_);
    colors.setColor(QPalette::WindowText, textColor_);
    setPalette(colors);
}
