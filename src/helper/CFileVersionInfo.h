#pragma once
// Version block of a file. Only the program's own executable carries one: its version is compiled
// in from the build's project version.

#include <QString>
#include <QtGlobal>

#include <optional>

struct FixedFileInfo {
    quint32 signature = 0;
    quint32 structVersion = 0;
    quint32 fileVersionMS = 0;
    quint32 fileVersionLS = 0;
    quint32 productVersionMS = 0;
    quint32 productVersionLS = 0;
    quint32 flagsMask = 0;
    quint32 flags = 0;
    quint32 fileOS = 0;
    quint32 fileType = 0;
    quint32 fileSubtype = 0;
    quint32 fileDateMS = 0;
    quint32 fileDateLS = 0;
};

class CFileVersionInfo {
public:
    static constexpr quint32 kSignature = 0xFEEF04BD;

    CFileVersionInfo() = default;
    virtual ~CFileVersionInfo() = default;

    // Loads the version block of the file; false (and a cleared object) when it has none.
    bool Create(const QString& path);
    bool LoadVersionBlock(const QString& path);
    bool QueryTranslation();

    const FixedFileInfo& fixedInfo() const { return fixedInfo_; }
    quint32 translation() const { return translation_; } // language in the low word, code page in the high
    quint32 translationCount() const { return translationCount_; }
    bool isValid() const { return isValid_; }

private:
    struct VersionBlock {
        FixedFileInfo fixed;
        std::optional<quint32> translation;
    };
    static std::optional<VersionBlock> ReadVersionBlock(const QString& path);
    void Clear();

    FixedFileInfo fixedInfo_;
    std::optional<VersionBlock> versionData_;
    quint32 translation_ = 0;
    quint32 translationCount_ = 0;
    bool isValid_ = false;
};

// The program's version text, "1.9.0".
QString ProgramVersionText();
