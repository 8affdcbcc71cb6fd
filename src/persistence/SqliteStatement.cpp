#include "SqliteStatement.h"

#include <QByteArray>

namespace {

bool isBlank(const char* text)
{
    for (; *text != '\0'; ++text)
        if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n')
            return false;
    return true;
}

// SQLite copies every bound text (SQLITE_TRANSIENT), so the temporary UTF-8 bytes may go at once.
int bindValue(sqlite3_stmt* statement, int position, const DatabaseValue& value)
{
    if (const qint64* number = std::get_if<qint64>(&value))
        return sqlite3_bind_int64(statement, position, *number);
    const QByteArray text = std::get<QString>(value).toUtf8();
    return sqlite3_bind_text(statement, position, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

} // namespace

SqliteStatement PrepareStatement(sqlite3* database, const QString& sql, QString& error)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(database, text.constData(), static_cast<int>(text.size()) + 1, &raw, &tail) != SQLITE_OK) {
        error = SqliteErrorText(database);
        return nullptr;
    }
    SqliteStatement statement(raw);
    if (!statement) {
        error = QStringLiteral("no statement in \"%1\"").arg(sql);
        return nullptr;
    }
    if (tail != nullptr && !isBlank(tail)) {
        error = QStringLiteral("more than one statement in \"%1\"").arg(sql);
        return nullptr;
    }
    return statement;
}

bool BindValues(sqlite3_stmt* statement, const std::vector<DatabaseValue>& values, QString& error)
{
    const int expected = sqlite3_bind_parameter_count(statement);
    if (static_cast<size_t>(expected) != values.size()) {
        error = QStringLiteral("the statement takes %1 values, %2 given").arg(expected).arg(values.size());
        return false;
    }
    for (size_t i = 0; i < values.size(); ++i) {
        if (bindValue(statement, static_cast<int>(i) + 1, values[i]) != SQLITE_OK) {
            error = SqliteErrorText(sqlite3_db_handle(statement));
            return false;
        }
    }
    return true;
}

QString QuoteIdentifier(const QString& name)
{
    QString bare = name;
    if (bare.size() >= 2 && bare.startsWith(u'[') && bare.endsWith(u']'))
        bare = bare.mid(1, bare.size() - 2);
    bare.replace(u'"', QStringLiteral("\"\""));
    return u'"' + bare + u'"';
}

QString SqliteErrorText(sqlite3* database)
{
    return QString::fromUtf8(sqlite3_errmsg(database));
}
