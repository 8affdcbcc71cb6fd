#pragma once
// The About box: the program's version with its build stamp, and the maker's support address as
// a mail link.

#include "CDialogBase.h"

#include <QDateTime>

struct FixedFileInfo;

class CAboutDlg : public CDialogBase {
    Q_OBJECT
public:
    static constexpr const char* kSupportMailAddress = "support@zerv.example";

    explicit CAboutDlg(QWidget* parent = nullptr);

    // "1.9 Build 24061012 ", or with the third version number when it is not 0; always ending in
    // a blank.
    static QString FormatVersionText(const FixedFileInfo& version, const QString& buildStamp);
    // The build stamp of a file time: two-digit year, month, day and hour.
    static QString FormatBuildStamp(const QDateTime& time);
    // The version text of the program file at path; empty when it carries no version.
    static QString ProgramVersionText(const QString& path);

protected:
    bool OnInitDialog() override;
};
