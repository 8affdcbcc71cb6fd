#pragma once
// A static text drawn as an underlined blue link; a click opens its e-mail address and its target.

#include <QLabel>
#include <QString>

class CHyperlinkStatic : public QLabel {
    Q_OBJECT
public:
    static constexpr QRgb kLinkColor = 0x0000FF; // blue

    explicit CHyperlinkStatic(QWidget* parent = nullptr);

    // Stores the values and sizes the control to the text it shows.
    void SetLink(const QString& shownText, const QString& target, const QString& parameters = QString());
    void SetMailLink(const QString& address);
    // Opened instead when the target cannot be opened (a help file no viewer shows).
    void SetFallbackTarget(const QString& target) { fallback_ = target; }
    const QString& Target() const { return target_; }
    const QString& FallbackTarget() const { return fallback_; }
    // Width of the control made exactly that of the text in the link font.
    void SizeToText(const QString& text);

    bool IsHovering() const { return hovering_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void showCurrentText();

    QString mailAddress_;
    QString shownText_;
    QString target_;
    QString fallback_;
    QString parameters_;
    bool hovering_ = false;
};
