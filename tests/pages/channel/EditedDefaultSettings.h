#pragma once
// A program folder whose DefaultSettings.ini is the shipped one with some keys taken out or set
// (or no file at all); the rest of the runtime folder (templates, language pack) is linked in.
// The program folder returns to the runtime folder when the object goes.

#include "ConfigFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

class EditedDefaultSettings {
public:
    struct Edit {
        QString section;
        QString key;
        QString value; // the key's new value; empty removes the key
    };

    // No DefaultSettings.ini at all.
    EditedDefaultSettings()
    {
        linkRuntimeFolder();
        SetProgramDirectory(folder_.path());
    }
    explicit EditedDefaultSettings(const QList<Edit>& edits)
    {
        linkRuntimeFolder();
        QFile in(QDir(runtime()).filePath(kFile));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');
        for (const Edit& edit : edits)
            apply(lines, edit);
        QFile out(QDir(folder_.path()).filePath(kFile));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Text));
        out.write(lines.join(u'\n').toUtf8());
        out.close();
        SetProgramDirectory(folder_.path());
    }
    ~EditedDefaultSettings() { SetProgramDirectory(runtime()); }
    EditedDefaultSettings(const EditedDefaultSettings&) = delete;
    EditedDefaultSettings& operator=(const EditedDefaultSettings&) = delete;

private:
    static inline const QString kFile = QStringLiteral("DefaultSettings.ini");
    static QString runtime() { return QString::fromUtf8(PELANDRIX_RUNTIME_DIR); }

    void linkRuntimeFolder()
    {
        const QDir source(runtime());
        for (const QFileInfo& entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (entry.fileName() != kFile)
                QFile::link(entry.absoluteFilePath(), QDir(folder_.path()).filePath(entry.fileName()));
    }
    static void apply(QStringList& lines, const Edit& edit)
    {
        const QString header = u'[' + edit.section + u']';
        const qsizetype start = lines.indexOf(header);
        ASSERT_GE(start, 0) << edit.section.toStdString();
        const QRegularExpression keyLine(u'^' + QRegularExpression::escape(edit.key) + QStringLiteral("\\s*="));
        for (qsizetype i = start + 1; i < lines.size() && !lines[i].startsWith(u'['); ++i)
            if (keyLine.match(lines[i]).hasMatch())
                lines.removeAt(i--);
        if (!edit.value.isEmpty())
            lines.insert(start + 1, edit.key + u'=' + edit.value);
    }

    QTemporaryDir folder_;
};
