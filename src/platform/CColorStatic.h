#pragma once
// A static text whose text colour the owner sets, on the button-face background.

#include <QColor>
#include <QLabel>

class CColorStatic : public QLabel {
    Q_OBJECT
public:
    explicit CColorStatic(QWidget* parent = nullptr);

    // Stores the colour and repaints at once.
    void ChangeTextColor(const QColor& color);
    QColor TextColor() const { return textColor_; }
    QColor BackgroundColor() const { return backgroundColor_; }

private:
    void applyColors();

    QColor backgroundColor_;
    QColor textColor_{Qt::black};
};
