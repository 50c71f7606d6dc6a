// brimvale-db: creates and fills Brimvale database files.
//
//   brimvale-db init [--if-missing] FILE   create FILE from the schema (refuses an existing file)
//   brimvale-db demo [--invoices N] [--lines-per-invoice N] FILE
//                                          fill FILE (made when missing) with a demo data set:
//                                          N invoices (300) of 1 to 8 lines, or N lines each
//   brimvale-db check FILE                 whether FILE is an intact Brimvale database
//   brimvale-db backup FILE COPY           a consistent copy of FILE (COPY must not exist)

#include "data/database_file.h"
#include "platform/db/errors.h"
#include "tool_commands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: brimvale-db init [--if-missing] FILE\n"
                           "       brimvale-db demo [--invoices N] [--lines-per-invoice N] FILE\n"
                           "       brimvale-db check FILE\n"
                           "       brimvale-db backup FILE COPY\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        if (command == QLatin1String("init")) {
            const bool ifMissing = args.removeAll(QStringLiteral("--if-missing")) > 0;
            if (args.size() != 1)
                return usage();
            if (ifMissing && QFileInfo::exists(args[0])) {
                out << "kept the existing " << args[0] << "\n";
                return 0;
            }
            data::CreateDatabaseFile(args[0]);
            out << "created " << args[0] << "\n";
            return 0;
        }
        if (command == QLatin1String("demo"))
            return tools::runDemo(args, out);
        if (command == QLatin1String("check"))
            return tools::runCheck(args, out);
        if (command == QLatin1String("backup"))
            return tools::runBackup(args, out);
    } catch (const db::DbError& e) {
        err << "brimvale-db: " << e.text() << "\n";
        return 1;
    }
    return usage();
}
