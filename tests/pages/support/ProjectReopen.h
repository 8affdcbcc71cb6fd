#pragma once
// Saving the model to a temporary project file and reading it into a fresh model.
#include "CDataCenter.h"
#include "CProjectLoader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

inline std::unique_ptr<CDataCenter> SaveAndReopen(CDataCenter& model)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reopened.pelx"));
    EXPECT_TRUE(model.SaveProject(path));
    auto reopened = std::make_unique<CDataCenter>();
    CProjectLoader loader(*reopened, nullptr);
    EXPECT_EQ(loader.LoadProject(path, 0), 0);
    return reopened;
}

// Saves the model to path and opens that file into the same model, as the program's one model is
// reopened; false (and a test failure) when either step fails. Pages must be shown again afterwards.
inline bool SaveAndReopenInPlaceAt(CDataCenter& model, const QString& path)
{
    const bool saved = model.SaveProject(path);
    EXPECT_TRUE(saved);
    const bool opened = saved && CProjectLoader(model, nullptr).LoadProject(path, 0) == 0;
    EXPECT_TRUE(opened);
    return opened;
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

inline bool SaveAndReopenInPlace(CDataCenter& model)
{
    QTemporaryDir folder;
    return SaveAndReopenInPlaceAt(model, folder.filePath(QStringLiteral("reopened.pelx")));
}

// The bytes a save of the model writes.
inline QByteArray SavedProjectBytes(CDataCenter& model)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("project.pelx"));
    EXPECT_TRUE(model.SaveProject(path));
    return FileBytes(path);
}

// As SaveAndReopenInPlace; the saved bytes.
inline QByteArray SaveAndReopenInPlaceBytes(CDataCenter& model)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reopened.pelx"));
    SaveAndReopenInPlaceAt(model, path);
    return FileBytes(path);
}
