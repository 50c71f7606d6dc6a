#include "app/database_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace {
QString g_programFolderOverride;
}

QString ProgramFolder()
{
    return g_programFolderOverride.isEmpty() ? QCoreApplication::applicationDirPath()
                                             : g_programFolderOverride;
}

void SetProgramFolderForTesting(const QString& folder)
{
    g_programFolderOverride = folder;
}

QString DatabasePath(const QString& programFolder)
{
    QString folder = QDir::toNativeSeparators(programFolder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder + QStringLiteral("database") + QDir::separator() + QStringLiteral("dbinvoice.mdb");
}

QString BuildConnectionString(const QString& databasePath)
{
    const QString emptyQuoted = QStringLiteral("\"\"");
    const QList<QPair<QString, QString>> properties = {
        {"Provider", "Microsoft.Jet.OLEDB.4.0"},
        {"User ID", "Admin"},
        {"Data Source", databasePath},
        {"Mode", "Share Deny None"},
        {"Extended Properties", emptyQuoted},
        {"Jet OLEDB:System database", emptyQuoted},
        {"Jet OLEDB:Registry Path", emptyQuoted},
        {"Jet OLEDB:Database Password", emptyQuoted},
        {"Jet OLEDB:Engine Type", "5"},
        {"Jet OLEDB:Database Locking Mode", "1"},
        {"Jet OLEDB:Global Partial Bulk Ops", "2"},
        {"Jet OLEDB:Global Bulk Transactions", "1"},
        {"Jet OLEDB:New Database Password", emptyQuoted},
        {"Jet OLEDB:Create System Database", "False"},
        {"Jet OLEDB:Encrypt Database", "False"},
        {"Jet OLEDB:Don't Copy Locale on Compact", "False"},
        {"Jet OLEDB:Compact Without Replica Repair", "False"},
        {"Jet OLEDB:SFP", "False"},
    };
    QStringList parts;
    for (const auto& [key, value] : properties)
        parts.append(key + u'=' + value);
    return parts.join(u';');
}
