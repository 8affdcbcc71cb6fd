#include "CFileVersionInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

constexpr quint32 kStructVersion = 0x00010000;
constexpr quint32 kTranslationEnglishUnicode = 0x04B00409; // US English, code page 1200
constexpr quint32 kFileTypeApplication = 1;

quint32 makeWord(quint32 high, quint32 low)
{
    return (high << 16) | (low & 0xFFFF);
}

bool isProgramExecutable(const QString& path)
{
    const QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty())
        return false;
    return QFileInfo(path).canonicalFilePath() == QFileInfo(program).canonicalFilePath();
}

} // namespace

QString ProgramVersionText()
{
    return QStringLiteral(PELANDRIX_VERSION_TEXT);
}

std::optional<CFileVersionInfo::VersionBlock> CFileVersionInfo::ReadVersionBlock(const QString& path)
{
    if (!isProgramExecutable(path))
        return std::nullopt;
    VersionBlock block;
    block.fixed.signature = kSignature;
    block.fixed.structVersion = kStructVersion;
    block.fixed.fileVersionMS = makeWord(PELANDRIX_VERSION_MAJOR, PELANDRIX_VERSION_MINOR);
    block.fixed.fileVersionLS = makeWord(PELANDRIX_VERSION_PATCH, 0);
    block.fixed.productVersionMS = block.fixed.fileVersionMS;
    block.fixed.productVersionLS = block.fixed.fileVersionLS;
    block.fixed.fileType = kFileTypeApplication;
    block.translation = kTranslationEnglishUnicode;
    return block;
}

void CFileVersionInfo::Clear()
{
    fixedInfo_ = {};
    versionData_.reset();
    translation_ = 0;
    translationCount_ = 0;
    isValid_ = false;
}

bool CFileVersionInfo::Create(const QString& path)
{
    if (path.isEmpty())
        return false;
    Clear();
    if (LoadVersionBlock(path) && QueryTranslation())
        return isValid_;
    Clear();
    return false;
}

bool CFileVersionInfo::LoadVersionBlock(const QString& path)
{
    versionData_ = ReadVersionBlock(path);
    if (!versionData_)
        return isValid_;
    fixedInfo_ = versionData_->fixed;
    isValid_ = fixedInfo_.signature == kSignature;
    return isValid_;
}

bool CFileVersionInfo::QueryTranslation()
{
    if (!isValid_ || !versionData_ || !versionData_->translation)
        return false;
    translation_ = *versionData_->translation;
    translationCount_ = 1;
    return translation_ != 0;
}
