#pragma once

#include <QString>
#include <QStringList>

namespace data {

// The mark every Brimvale database carries in PRAGMA application_id ('BRMV'),
// and the schema version this program reads and writes (PRAGMA user_version).
constexpr qint32 kApplicationId = 1112690006;
constexpr int kSchemaVersion = 1;

// The statements of the schema file, one by one.
QStringList SchemaStatements();

// Splits an SQL script into statements, minding quoted text and comments.
QStringList SplitSqlScript(const QString& script);

// Creates a new database file from the schema. Refuses a path where any file
// exists; the file appears whole or not at all (built beside it, then renamed).
// Throws db::DbError.
void CreateDatabaseFile(const QString& path);

} // namespace data
