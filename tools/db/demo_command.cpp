#include "tool_commands.h"

#include "data/data_module.h"
#include "data/database_file.h"
#include "demo_data.h"
#include "platform/db/errors.h"
#include "platform/ui/message_service.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <memory>

namespace tools {

namespace {

// The data module reports some failures in message boxes; a command-line tool has
// none, so their texts go to the error stream and every question is answered No.
class ConsoleMessages final : public ui::MessageService
{
public:
    ConsoleMessages() { ui::setMessageService(this); }
    ~ConsoleMessages() override { ui::setMessageService(nullptr); }
    ConsoleMessages(const ConsoleMessages&) = delete;
    ConsoleMessages& operator=(const ConsoleMessages&) = delete;

    void warning(const QString& text) override { m_err << "brimvale-db: " << text << Qt::endl; }
    bool confirm(const QString& text) override
    {
        m_err << "brimvale-db: " << text << " (answered No)" << Qt::endl;
        return false;
    }
    void error(const QString& text) override { warning(text); }
    QString openFileName(QWidget*, const QString&) override { return {}; }
    int execModal(QDialog*) override { return 0; }

private:
    QTextStream m_err{stderr};
};

int countOption(const QString& option, const QString& text, int lowest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest)
        throw db::DbError(QStringLiteral("%1 needs a whole number of at least %2, not '%3'.")
                              .arg(option)
                              .arg(lowest)
                              .arg(text));
    return value;
}

struct DemoArguments
{
    DemoOptions options;
    QString file;
};

DemoArguments parseArguments(QStringList args)
{
    DemoArguments parsed;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (args.isEmpty())
            throw db::DbError(QStringLiteral("%1 needs a value.").arg(option));
        const QString value = args.takeFirst();
        if (option == QLatin1String("--invoices"))
            parsed.options.invoices = countOption(option, value, 0);
        else if (option == QLatin1String("--lines-per-invoice"))
            parsed.options.linesPerInvoice = countOption(option, value, 1);
        else
            throw db::DbError(QStringLiteral("Unknown option '%1'.").arg(option));
    }
    if (args.size() != 1)
        throw db::DbError(
            QStringLiteral("usage: brimvale-db demo [--invoices N] [--lines-per-invoice N] FILE"));
    parsed.file = args.first();
    return parsed;
}

} // namespace

int runDemo(const QStringList& args, QTextStream& out)
{
    const DemoArguments parsed = parseArguments(args);
    ConsoleMessages messages;

    // A file made here is taken away again when filling it fails; a file that was
    // there is left as it was (the filling is one transaction).
    const bool created = !QFileInfo::exists(parsed.file);
    if (created)
        data::CreateDatabaseFile(parsed.file);

    QElapsedTimer timer;
    timer.start();
    DemoSummary summary;
    try {
        auto module = std::make_unique<TDtmd>();
        module->ADOConn->setConnectionString(QStringLiteral("Data Source=") + parsed.file);
        module->ADOConn->open();
        summary = FillDemoData(*module, parsed.options);
    } catch (const db::DbError&) {
        if (created)
            QFile::remove(parsed.file);
        throw;
    }

    const QLocale c = QLocale::c();
    out << "filled " << parsed.file << ": "
        << (summary.settingsWritten ? "settings row, " : "settings row kept, ") << summary.customers
        << " customers, " << summary.products << " products, " << c.toString(summary.invoices)
        << " invoices with " << c.toString(summary.lines) << " lines in "
        << QString::number(timer.elapsed() / 1000.0, 'f', 1) << " s\n";
    return 0;
}

} // namespace tools
