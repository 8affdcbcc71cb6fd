#include "PackImage.h"

#include "LanguagePack.h"
#include "TraceLog.h"

QString PackImagePath(unsigned imageId)
{
    return LanguagePack::ResourcePath(QStringLiteral("lang/images/%1.png").arg(imageId));
}

QImage LoadPackImage(unsigned imageId)
{
    const QImage image(PackImagePath(imageId), "PNG");
    if (image.isNull())
        TraceLog("%s:%d image %u is missing from the language pack or does not decode", __FILE__, __LINE__, imageId);
    return image;
}
