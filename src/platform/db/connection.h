#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

namespace db {

// The one database connection. Its connection string keeps the shape of the
// original Jet/ADO string; only "Data Source" matters here, and it names a
// SQLite file. Opening never creates a file and refuses any file that is not
// one of ours (header, application mark, schema version, quick check).
class Connection : public QObject
{
    Q_OBJECT
public:
    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    QString connectionString() const { return m_connectionString; }
    void setConnectionString(const QString& text) { m_connectionString = text; }

    // The mark in PRAGMA application_id and the schema versions this program can work with.
    void setExpectedApplicationId(qint32 id) { m_applicationId = id; }
    void setSupportedSchemaVersion(int version) { m_schemaVersion = version; }

    void open(); // throws DbError
    void close();
    bool isOpen() const;

    QSqlDatabase database() const;
    QString databasePath() const;

    // Statement helpers that raise DbError with the database's own text.
    void exec(const QString& sql, const QVariantList& params = {});

    // Transactions nest: only the outermost level commits or rolls back.
    void beginTransaction();
    void commit();
    void rollback();
    int transactionDepth() const { return m_depth; }

    // The text of a stored query kept in the database file's catalogue, or an empty
    // text when the file holds none of that name.
    QString storedQueryStatement(const QString& name) const;

    static QString valueOf(const QString& connectionString, const QString& key);

private:
    void checkFileIsOurs(const QString& path) const;

    QString m_connectionString;
    QString m_name;
    qint32 m_applicationId = 0;
    int m_schemaVersion = 0;
    int m_depth = 0;
    bool m_rollbackOnly = false;
};

// Scope guard for a transaction: commits at the end of the block, rolls back
// when the block is left by an exception. Nested guards join the outer one.
class Transaction
{
public:
    explicit Transaction(Connection& connection);
    ~Transaction() noexcept(false);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Connection& m_connection;
    int m_uncaught;
};

} // namespace db
