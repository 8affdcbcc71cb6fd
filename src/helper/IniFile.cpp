#include "IniFile.h"

#include "TextConversion.h"
#include "TraceLog.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

// UTF-8 bytes are handled as they are; the wide-character converters are not used. The parser is
// instantiated here with our own name order, so its template bodies are compiled in this file.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include <cstdio>
#include <sys/stat.h>

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype kUtf8BomSize = 3;

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Orders section and key names case-insensitively. ASCII is folded byte by byte; from the first
// non-ASCII byte on, the rest of both names is compared through Qt's case folding. The prefix
// already compared is plain ASCII and equal after folding, so both paths give one consistent order.
struct FoldedNameLess {
    bool operator()(const char* left, const char* right) const
    {
        for (; *left && *right; ++left, ++right) {
            if ((static_cast<unsigned char>(*left) | static_cast<unsigned char>(*right)) & 0x80)
                return QString::fromUtf8(left).compare(QString::fromUtf8(right), Qt::CaseInsensitive) < 0;
            const char a = foldAscii(*left);
            const char b = foldAscii(*right);
            if (a != b)
                return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
        }
        return *left == 0 && *right != 0;
    }
};

using IniDocument = CSimpleIniTempl<char, FoldedNameLess, SI_ConvertA<char>>;

// What tells us that a file changed behind our back.
struct FileStamp {
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedSeconds = 0;
    qint64 modifiedNanoseconds = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// stat() directly: every settings record checks its file on construction, and QFileInfo's
// local-time conversion made that check the largest cost of reading a project.
FileStamp stampOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {true, static_cast<qint64>(status.st_size), static_cast<qint64>(status.st_mtim.tv_sec),
            static_cast<qint64>(status.st_mtim.tv_nsec)};
}

// One parsed file and what the parser does not keep but a rewrite must: the byte-order mark, the
// line ends and the comment lines after the last entry.
struct CachedFile {
    std::unique_ptr<IniDocument> document;
    FileStamp stamp;
    bool hasBom = false;
    bool crlf = false;
    QByteArray trailingComments; // '\n' line ends
};

bool isCommentOrBlank(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#');
}

// Comment and blank lines after the last entry; the parser only keeps comments that precede an entry.
QByteArray trailingCommentLines(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line end
    qsizetype first = lines.size();
    while (first > 0 && isCommentOrBlank(lines[first - 1]))
        --first;
    if (first == 0 || first == lines.size())
        return {}; // no entry at all, or nothing after the last one
    QByteArray tail;
    for (qsizetype i = first; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        tail += line + '\n';
    }
    return tail;
}

std::unique_ptr<IniDocument> makeDocument()
{
    auto document = std::make_unique<IniDocument>(/*utf8*/ true, /*multiKey*/ false, /*multiLine*/ false);
    document->SetSpaces(false); // key=value, as the files are written by hand and by the old program
    document->SetQuotes(false); // quotes are stripped on read only, never added
    return document;
}

// Loads the file into a fresh entry; an absent file is an empty document. False when the file
// exists but cannot be read.
bool load(const QString& path, CachedFile& entry)
{
    CachedFile loaded;
    loaded.document = makeDocument();
    loaded.stamp = stampOf(path);
    if (loaded.stamp.exists) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            TraceLog("%s:%d INI file %s cannot be read: %s", __FILE__, __LINE__, qUtf8Printable(path),
                     qUtf8Printable(file.errorString()));
            return false;
        }
        QByteArray text = file.readAll();
        loaded.hasBom = text.startsWith(kUtf8Bom);
        if (loaded.hasBom)
            text.remove(0, kUtf8BomSize);
        loaded.crlf = text.contains("\r\n");
        loaded.trailingComments = trailingCommentLines(text);
        if (loaded.document->LoadData(text.constData(), static_cast<size_t>(text.size())) < 0) {
            TraceLog("%s:%d INI file %s cannot be parsed", __FILE__, __LINE__, qUtf8Printable(path));
            return false;
        }
    }
    entry = std::move(loaded);
    return true;
}

QByteArray serialize(const CachedFile& entry)
{
    std::string text;
    if (entry.document->Save(text, false) < 0)
        return {};
    QByteArray bytes = QByteArray::fromStdString(text) + entry.trailingComments;
    if (entry.crlf)
        bytes.replace("\n", "\r\n");
    if (entry.hasBom)
        bytes.prepend(kUtf8Bom);
    return bytes;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true); // a writable file in a read-only folder
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    TraceLog("%s:%d INI file %s cannot be written: %s", __FILE__, __LINE__, qUtf8Printable(path),
             qUtf8Printable(file.errorString()));
    return false;
}

// Replaces the file in one step like writeBytes, without waiting for the disk.
bool replaceUnflushed(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    QTemporaryFile file(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return writeBytes(path, bytes); // a writable file in a read-only folder
    const QFileDevice::Permissions permissions = target.exists() ? QFile::permissions(path)
                                                                 : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                       QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (file.write(bytes) == bytes.size() && file.flush() && file.setPermissions(permissions) &&
        std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) == 0) {
        file.setAutoRemove(false);
        return true;
    }
    TraceLog("%s:%d INI file %s cannot be written: %s", __FILE__, __LINE__, qUtf8Printable(path),
             qUtf8Printable(file.errorString()));
    return false;
}

bool fitsOnOneLine(const QString& text)
{
    return !text.contains(u'\n') && !text.contains(u'\r');
}

// Names that would read back differently (or as other lines) are refused instead of corrupting the file.
bool isWritableEntry(const QString& section, const QString& key, const QString& value)
{
    if (section.isEmpty() || key.isEmpty())
        return false;
    if (!fitsOnOneLine(section) || !fitsOnOneLine(key) || !fitsOnOneLine(value))
        return false;
    if (section.contains(u']') || key.contains(u'='))
        return false;
    const QChar first = key.front();
    return first != u'[' && first != u';' && first != u'#';
}

QString withoutSurroundingQuotes(QString value)
{
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        return value.mid(1, value.size() - 2);
    return value;
}

// Parsed files by path, reloaded when their size or time changes. One lock guards everything, as
// worker threads read settings too.
class IniCache {
public:
    std::optional<QString> read(const QString& path, const QString& section, const QString& key)
    {
        const QByteArray sectionName = section.trimmed().toUtf8();
        const QByteArray keyName = key.trimmed().toUtf8();
        if (path.isEmpty() || sectionName.isEmpty() || keyName.isEmpty())
            return std::nullopt;
        const std::lock_guard lock(mutex_);
        const CachedFile* entry = current(path);
        if (!entry)
            return std::nullopt;
        const char* value = entry->document->GetValue(sectionName.constData(), keyName.constData(), nullptr);
        if (!value)
            return std::nullopt;
        return QString::fromUtf8(value);
    }

    bool write(const QString& path, const QString& section, const QString& key, const QString& value)
    {
        const QString sectionName = section.trimmed();
        const QString keyName = key.trimmed();
        if (path.isEmpty() || !isWritableEntry(sectionName, keyName, value))
            return false;
        const std::lock_guard lock(mutex_);
        CachedFile* entry = current(path);
        if (!entry)
            return false;
        if (entry->document->SetValue(sectionName.toUtf8().constData(), keyName.toUtf8().constData(),
                                      value.toUtf8().constData()) < 0) {
            files_.erase(path);
            return false;
        }
        return save(path, *entry, IniWrite::Flushed);
    }

    bool writeMany(const QString& path, const QString& section, const QList<IniKeyValue>& entries, IniWrite mode)
    {
        const QString sectionName = section.trimmed();
        if (path.isEmpty())
            return false;
        const std::lock_guard lock(mutex_);
        CachedFile* entry = current(path);
        if (!entry)
            return false;
        const QByteArray sectionBytes = sectionName.toUtf8();
        bool all = true;
        bool changed = false;
        for (const IniKeyValue& item : entries) {
            const QString keyName = item.key.trimmed();
            if (!isWritableEntry(sectionName, keyName, item.value)) {
                all = false;
                continue;
            }
            const QByteArray key = keyName.toUtf8();
            const QByteArray value = item.value.toUtf8();
            const char* old = entry->document->GetValue(sectionBytes.constData(), key.constData(), nullptr);
            if (old && value == old)
                continue;
            if (entry->document->SetValue(sectionBytes.constData(), key.constData(), value.constData()) < 0) {
                files_.erase(path);
                return false;
            }
            changed = true;
        }
        return (!changed || save(path, *entry, mode)) && all;
    }

private:
    // Writes the document to its file; on failure the cached copy is dropped.
    bool save(const QString& path, CachedFile& entry, IniWrite mode)
    {
        const QByteArray bytes = serialize(entry);
        const bool written =
            !bytes.isEmpty() && (mode == IniWrite::Flushed ? writeBytes(path, bytes) : replaceUnflushed(path, bytes));
        if (!written) {
            files_.erase(path); // the document no longer matches the file
            return false;
        }
        entry.stamp = stampOf(path);
        return true;
    }

    // The parsed file as it is on disk now; null when it cannot be read.
    CachedFile* current(const QString& path)
    {
        auto found = files_.find(path);
        if (found != files_.end() && found->second.stamp == stampOf(path))
            return &found->second;
        CachedFile loaded;
        if (!load(path, loaded)) {
            if (found != files_.end())
                files_.erase(found);
            return nullptr;
        }
        CachedFile& entry = files_[path];
        entry = std::move(loaded);
        return &entry;
    }

    std::mutex mutex_;
    std::map<QString, CachedFile> files_;
};

IniCache& cache()
{
    static IniCache instance;
    return instance;
}

QString cacheKey(const QString& path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

} // namespace

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                const QString& path)
{
    const std::optional<QString> value = cache().read(cacheKey(path), section, key);
    return value ? withoutSurroundingQuotes(*value) : defaultValue;
}

int GetPrivateProfileInt(const QString& section, const QString& key, int defaultValue, const QString& path)
{
    const std::optional<QString> value = cache().read(cacheKey(path), section, key);
    return value ? ParseLeadingInt(withoutSurroundingQuotes(*value)) : defaultValue;
}

bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value, const QString& path)
{
    return cache().write(cacheKey(path), section, key, value);
}

bool WritePrivateProfileStrings(const QString& section, const QList<IniKeyValue>& entries, const QString& path,
                                IniWrite mode)
{
    return cache().writeMany(cacheKey(path), section, entries, mode);
}
