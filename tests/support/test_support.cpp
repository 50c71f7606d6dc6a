#include "test_support.h"

#include "data/data_module.h"
#include "data/database_file.h"

#include <QDialog>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace testing {

TempDatabase::TempDatabase() : m_path(m_dir.filePath(QStringLiteral("database/dbinvoice.mdb")))
{
    data::CreateDatabaseFile(m_path);
}

void TempDatabase::exec(const QStringList& statements) const
{
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_path);
        if (!db.open())
            qFatal("cannot open fixture database");
        QSqlQuery q(db);
        for (const QString& s : statements)
            if (!q.exec(s))
                qFatal("fixture statement failed: %s: %s", qPrintable(s), qPrintable(q.lastError().text()));
    }
    QSqlDatabase::removeDatabase(name);
}

ScriptedMessages::ScriptedMessages()
{
    ui::setMessageService(this);
}

ScriptedMessages::~ScriptedMessages()
{
    ui::setMessageService(nullptr);
}

QStringList ScriptedMessages::texts(const QString& kind) const
{
    QStringList out;
    for (const Shown& s : shown)
        if (kind.isEmpty() || s.kind == kind)
            out.append(s.text);
    return out;
}

void ScriptedMessages::warning(const QString& text)
{
    shown.append({QStringLiteral("warning"), text});
}

bool ScriptedMessages::confirm(const QString& text)
{
    shown.append({QStringLiteral("confirm"), text});
    return confirmAnswers.isEmpty() ? false : confirmAnswers.takeFirst();
}

void ScriptedMessages::error(const QString& text)
{
    shown.append({QStringLiteral("error"), text});
}

QString ScriptedMessages::openFileName(QWidget*, const QString&)
{
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

int ScriptedMessages::execModal(QDialog* dialog)
{
    return onModal ? onModal(dialog) : int(QDialog::Rejected);
}

std::unique_ptr<TDtmd> openDataModule(const QString& databasePath)
{
    auto module = std::make_unique<TDtmd>();
    Dtmd = module.get();
    module->ADOConn->setConnectionString(QStringLiteral("Data Source=") + databasePath);
    module->ADOConn->open();
    return module;
}

} // namespace testing
