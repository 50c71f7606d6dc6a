#include "platform/db/connection.h"

#include "platform/db/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <exception>

namespace db {

namespace {

QString errorText(const QSqlError& error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    return text;
}

} // namespace

Connection::Connection(QObject* parent)
    : QObject(parent),
      m_name(QStringLiteral("brimvale-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

Connection::~Connection()
{
    close();
}

QString Connection::valueOf(const QString& connectionString, const QString& key)
{
    // Values hold no ";" in the strings this program builds, so a plain split will do.
    const auto parts = connectionString.split(u';');
    for (const QString& part : parts) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq < 0)
            continue;
        if (part.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1);
    }
    return {};
}

QString Connection::databasePath() const
{
    return valueOf(m_connectionString, QStringLiteral("Data Source"));
}

void Connection::checkFileIsOurs(const QString& path) const
{
    // Look at the file's first bytes ourselves: the SQLite driver would happily
    // create a missing file or treat a foreign one as empty.
    QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw DbError(QStringLiteral("Could not find file '%1'.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Cannot read file '%1'.").arg(path));
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        throw DbError(QStringLiteral("'%1' is not a database file of this program.").arg(path));
    auto be32 = [&](int offset) {
        return (quint32(quint8(header[offset])) << 24) | (quint32(quint8(header[offset + 1])) << 16) |
               (quint32(quint8(header[offset + 2])) << 8) | quint32(quint8(header[offset + 3]));
    };
    // application_id sits at offset 68 and user_version at 60 of the database header.
    if (m_applicationId != 0 && qint32(be32(68)) != m_applicationId)
        throw DbError(QStringLiteral("'%1' is not a database file of this program.").arg(path));
    if (m_schemaVersion != 0 && int(be32(60)) != m_schemaVersion)
        throw DbError(QStringLiteral("'%1' has schema version %2; this program needs version %3.")
                          .arg(path)
                          .arg(be32(60))
                          .arg(m_schemaVersion));
}

void Connection::open()
{
    if (isOpen())
        return;
    const QString path = databasePath();
    checkFileIsOurs(path);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        const QString text = errorText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw DbError(text);
    }
    try {
        QSqlQuery check(db);
        if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() ||
            check.value(0).toString() != QLatin1String("ok"))
            throw DbError(QStringLiteral("'%1' is damaged (integrity check failed).").arg(path));
        check.finish();
        // A committed invoice must survive a power cut.
        exec(QStringLiteral("PRAGMA synchronous=FULL"));
    } catch (...) {
        close();
        throw;
    }
}

void Connection::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_depth = 0;
    m_rollbackOnly = false;
}

bool Connection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase Connection::database() const
{
    if (!isOpen())
        throw DbError(QStringLiteral("Connection is not open."));
    return QSqlDatabase::database(m_name, false);
}

void Connection::exec(const QString& sql, const QVariantList& params)
{
    QSqlQuery query(database());
    if (!query.prepare(sql))
        throw DbError(errorText(query.lastError()));
    for (const QVariant& p : params)
        query.addBindValue(p);
    if (!query.exec())
        throw DbError(errorText(query.lastError()));
}

void Connection::beginTransaction()
{
    if (m_depth == 0) {
        exec(QStringLiteral("BEGIN IMMEDIATE"));
        m_rollbackOnly = false;
    }
    ++m_depth;
}

void Connection::commit()
{
    if (m_depth == 0)
        throw DbError(QStringLiteral("No transaction is active."));
    if (--m_depth > 0)
        return;
    if (m_rollbackOnly) {
        m_rollbackOnly = false;
        exec(QStringLiteral("ROLLBACK"));
        throw DbError(QStringLiteral("The changes were undone because a part of them failed."));
    }
    try {
        exec(QStringLiteral("COMMIT"));
    } catch (...) {
        // Leave no half-open transaction behind.
        QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

void Connection::rollback()
{
    if (m_depth == 0)
        return;
    if (--m_depth > 0) {
        m_rollbackOnly = true;
        return;
    }
    m_rollbackOnly = false;
    if (isOpen())
        QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
}

QString Connection::storedQueryStatement(const QString& name) const
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT query_text FROM tstored_query WHERE query_name = ?"));
    query.addBindValue(name);
    if (query.exec() && query.next())
        return query.value(0).toString();
    return {};
}

Transaction::Transaction(Connection& connection)
    : m_connection(connection), m_uncaught(std::uncaught_exceptions())
{
    m_connection.beginTransaction();
}

Transaction::~Transaction() noexcept(false)
{
    if (std::uncaught_exceptions() > m_uncaught)
        m_connection.rollback();
    else
        m_connection.commit();
}

} // namespace db
