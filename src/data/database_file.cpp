#include "data/database_file.h"

#include "platform/db/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

static void initDataResources()
{
    Q_INIT_RESOURCE(data);
}

namespace data {

QStringList SplitSqlScript(const QString& script)
{
    QStringList statements;
    QString current;
    bool inQuote = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (!inQuote && c == u'-' && i + 1 < script.size() && script[i + 1] == u'-') {
            while (i < script.size() && script[i] != u'\n')
                ++i;
            current += u'\n';
            continue;
        }
        if (c == u'\'')
            inQuote = !inQuote;
        if (c == u';' && !inQuote) {
            if (!current.trimmed().isEmpty())
                statements.append(current.trimmed());
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

QStringList SchemaStatements()
{
    initDataResources();
    QFile file(QStringLiteral(":/data/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw db::DbError(QStringLiteral("The database schema is missing from the program."));
    return SplitSqlScript(QString::fromUtf8(file.readAll()));
}

void CreateDatabaseFile(const QString& path)
{
    if (QFileInfo::exists(path))
        throw db::DbError(QStringLiteral("'%1' already exists; it is left as it is.").arg(path));
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath()))
        throw db::DbError(QStringLiteral("Cannot create the folder '%1'.").arg(target.absolutePath()));
    const QString partial = path + QStringLiteral(".creating");
    QFile::remove(partial);
    const QString name = QStringLiteral("create-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(partial);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery q(db);
            q.exec(QStringLiteral("BEGIN"));
            for (const QString& statement : SchemaStatements()) {
                if (!q.exec(statement)) {
                    failure = q.lastError().databaseText() + QStringLiteral(" in: ") + statement.left(80);
                    break;
                }
            }
            if (failure.isEmpty() && !q.exec(QStringLiteral("COMMIT")))
                failure = q.lastError().text();
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (failure.isEmpty() && !QFile::rename(partial, path))
        failure = QStringLiteral("cannot move the new file into place");
    if (!failure.isEmpty()) {
        QFile::remove(partial);
        throw db::DbError(QStringLiteral("Cannot create the database '%1': %2").arg(path, failure));
    }
}

} // namespace data
