#include "CGdipButton.h"

#include "PackImage.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr double kHotScale = 1.05;
constexpr double kHotOffset = 0.05;
constexpr int kPressedShift = 1;

int hotChannel(int value)
{
    const double scaled = value * kHotScale + kHotOffset * 255.0;
    return std::clamp(static_cast<int>(scaled + 0.5), 0, 255);
}

} // namespace

CGdipButton::CGdipButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::pressed, this, [this] {
        if (toggleMode_)
            showingToggled_ = !showingToggled_;
    });
}

bool CGdipButton::LoadNormalImage(unsigned imageId)
{
    SetNormalImage(LoadPackImage(imageId));
    return !normal_.isNull();
}

bool CGdipButton::LoadToggledImage(unsigned imageId)
{
    SetToggledImage(LoadPackImage(imageId));
    return !toggled_.isNull();
}

void CGdipButton::SetNormalImage(const QImage& image)
{
    normal_ = image.convertToFormat(QImage::Format_ARGB32);
    updateGeometry();
    update();
}

void CGdipButton::SetToggledImage(const QImage& image)
{
    hasToggledImage_ = true;
    toggled_ = image.convertToFormat(QImage::Format_ARGB32);
    update();
}

void CGdipButton::SetToggleMode(bool enable)
{
    if (!hasToggledImage_)
        return;
    toggleMode_ = enable;
    if (!enable)
        showingToggled_ = false;
    update();
}

const QImage& CGdipButton::currentImage() const
{
    return showingToggled_ ? toggled_ : normal_;
}

CGdipButton::Look CGdipButton::CurrentLook() const
{
    if (isDown())
        return Look::Pressed;
    return hovering_ ? Look::Hot : Look::Plain;
}

QImage CGdipButton::LookImage(Look look) const
{
    const QImage& image = currentImage();
    if (image.isNull())
        return {};
    switch (look) {
    case Look::Hot:
        return MakeHotImage(image);
    case Look::Pressed: {
        QImage pressed(image.size(), QImage::Format_ARGB32);
        pressed.fill(Qt::transparent);
        QPainter painter(&pressed);
        painter.drawImage(kPressedShift, kPressedShift, image);
        return pressed;
    }
    case Look::Plain:
        break;
    }
    return image;
}

QImage CGdipButton::MakeHotImage(const QImage& image)
{
    QImage hot = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < hot.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(hot.scanLine(y));
        for (int x = 0; x < hot.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(hotChannel(qRed(p)), hotChannel(qGreen(p)), hotChannel(qBlue(p)), qAlpha(p));
        }
    }
    return hot;
}

QSize CGdipButton::sizeHint() const
{
    return normal_.isNull() ? QSize(24, 24) : normal_.size();
}

void CGdipButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, LookImage(CurrentLook()));
}

void CGdipButton::enterEvent(QEnterEvent* event)
{
    hovering_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CGdipButton::leaveEvent(QEvent* event)
{
    hovering_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
