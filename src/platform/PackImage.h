#pragma once
// PNG images of the language pack: lang/images/<id>.png.

#include <QImage>
#include <QString>

QString PackImagePath(unsigned imageId);
// The image, or a null image (traced) when the pack lacks it or it does not decode.
QImage LoadPackImage(unsigned imageId);
