#pragma once

#include <QString>

// The folder that holds the program file. Tests may point it elsewhere.
QString ProgramFolder();
void SetProgramFolderForTesting(const QString& folder);

// The database file below the program's folder: database/dbinvoice.mdb.
QString DatabasePath(const QString& programFolder);

// The connection string as the original program built it; the connection reads
// only its "Data Source", which names our SQLite file.
QString BuildConnectionString(const QString& databasePath);
