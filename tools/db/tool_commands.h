#pragma once

#include <QStringList>
#include <QTextStream>

namespace tools {

// "demo": fills a database file with a demo data set. Throws db::DbError.
int runDemo(const QStringList& args, QTextStream& out);

} // namespace tools

namespace tools {

// "check FILE": whether FILE is a Brimvale database this program can open
// (header, mark, schema version, quick check). Throws db::DbError when not.
int runCheck(const QStringList& args, QTextStream& out);

// "backup FILE COPY": a consistent copy of FILE at COPY (which must not exist),
// made by SQLite itself and moved into place only when whole.
int runBackup(const QStringList& args, QTextStream& out);

} // namespace tools
