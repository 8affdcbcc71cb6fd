#include "PrivateTempFolder.h"

#include "TraceLog.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

QString PrivateTempFolder()
{
    static const std::unique_ptr<QTemporaryDir> folder = [] {
        auto made = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/pelandrix-device-XXXXXX"));
        if (!made->isValid())
            TraceLog("%s:%d no private temporary folder: %s", __FILE__, __LINE__, qUtf8Printable(made->errorString()));
        return made;
    }();
    return folder->isValid() ? folder->path() : QString();
}

QString PrivateTempFile(const QString& name)
{
    const QString folder = PrivateTempFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
}
