#pragma once
// Saving the model to a temporary project file and reading it into a fresh model.
#include "CDataCenter.h"
#include "CProjectLoader.h"

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
