#pragma once
// Saves a widget's picture as build/test-artefacts/<name>.png, for a person to look at.

#include <QDir>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

inline QString SaveWidgetScreenshot(QWidget& widget, const QString& name)
{
    const QDir folder(QString::fromUtf8(PELANDRIX_TEST_ARTEFACT_DIR));
    folder.mkpath(QStringLiteral("."));
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
    return path;
}
