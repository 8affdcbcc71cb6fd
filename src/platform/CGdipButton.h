#pragma once
// An image button: a PNG with a pressed look (shifted by one pixel) and a hot look (brightened)
// under the pointer; in toggle mode each press switches between the normal and a second image.

#include <QAbstractButton>
#include <QImage>

class CGdipButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Look { Plain, Pressed, Hot };

    explicit CGdipButton(QWidget* parent = nullptr);

    // From the language pack; false when the image is missing.
    bool LoadNormalImage(unsigned imageId);
    bool LoadToggledImage(unsigned imageId);
    void SetNormalImage(const QImage& image);
    void SetToggledImage(const QImage& image);
    // Has an effect only once a toggled image is loaded.
    void SetToggleMode(bool enable);
    bool IsToggleMode() const { return toggleMode_; }

    bool IsShowingToggledImage() const { return showingToggled_; }
    Look CurrentLook() const;
    // The picture drawn for a look of the image set now shown.
    QImage LookImage(Look look) const;

    // The hot look: each colour channel scaled by 1.05 and raised by 5 % of full scale, alpha kept.
    static QImage MakeHotImage(const QImage& image);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const QImage& currentImage() const;

    QImage normal_;
    QImage toggled_;
    bool hasToggledImage_ = false;
    bool toggleMode_ = false;
    bool showingToggled_ = false;
    bool hovering_ = false;
};
