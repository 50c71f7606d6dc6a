#include "data/database_file.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "tool_commands.h"

#include <QFile>
#include <QFileInfo>

namespace tools {

namespace {

// Opens FILE the way the program does, so the same files are refused.
void openChecked(db::Connection& connection, const QString& path)
{
    connection.setExpectedApplicationId(data::kApplicationId);
    connection.setSupportedSchemaVersion(data::kSchemaVersion);
    connection.setConnectionString(QStringLiteral("Data Source=") + path);
    connection.open();
}

} // namespace

int runCheck(const QStringList& args, QTextStream& out)
{
    if (args.size() != 1)
        throw db::DbError(QStringLiteral("check takes one file"));
    db::Connection connection;
    openChecked(connection, args[0]);
    out << args[0] << ": a Brimvale database, schema version " << data::kSchemaVersion << ", intact\n";
    return 0;
}

int runBackup(const QStringList& args, QTextStream& out)
{
    if (args.size() != 2)
        throw db::DbError(QStringLiteral("backup takes the file and the name of the copy"));
    const QString copy = QFileInfo(args[1]).absoluteFilePath();
    if (QFileInfo::exists(copy))
        throw db::DbError(QStringLiteral("'%1' already exists; it is left as it is.").arg(copy));
    db::Connection connection;
    openChecked(connection, args[0]);
    const QString partial = copy + QStringLiteral(".partial");
    QFile::remove(partial);
    try {
        // VACUUM INTO writes a consistent copy even while the file is in use.
        connection.exec(QStringLiteral("VACUUM INTO ?"), {partial});
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    if (!QFile::rename(partial, copy)) {
        QFile::remove(partial);
        throw db::DbError(QStringLiteral("Cannot move the copy into place at '%1'.").arg(copy));
    }
    out << "copied " << args[0] << " to " << copy << "\n";
    return 0;
}

} // namespace tools
