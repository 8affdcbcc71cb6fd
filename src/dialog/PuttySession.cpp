#include "PuttySession.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

constexpr const char* kSessionsFolder = ".putty/sessions";

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

QString PuttySessionPath(const QString& session)
{
    return QDir(QDir::homePath()).filePath(QString::fromLatin1(kSessionsFolder) + u'/' + session);
}

bool WritePuttySessionValue(const QString& session, const QString& key, const QString& value)
{
    const QString path = PuttySessionPath(session);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QStringList lines = readLines(path);
    const QString line = key + u'=' + value;
    const QString prefix = key + u'=';
    auto it = std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(prefix); });
    if (it != lines.end())
        *it = line;
    else
        lines.append(line);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write((lines.join(u'\n') + u'\n').toUtf8());
    return file.commit();
}

QString ReadPuttySessionValue(const QString& session, const QString& key)
{
    const QString prefix = key + u'=';
    for (const QString& line : readLines(PuttySessionPath(session)))
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    return {};
}
