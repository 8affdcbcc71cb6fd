#pragma once
// A file's whole content for a test: empty when it cannot be read; written whole, false when not.
// TestFolder: a private folder for a test's files, removed with it.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline QByteArray ReadFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class TestFolder {
public:
    QString PathOf(const QString& name) const { return folder_.filePath(name); }
    QString FolderPath() const { return folder_.path(); }
    // The file written in the folder; its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = PathOf(name);
        EXPECT_TRUE(WriteFileBytes(path, bytes)) << qPrintable(path);
        return path;
    }

private:
    QTemporaryDir folder_;
};
