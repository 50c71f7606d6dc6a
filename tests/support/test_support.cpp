#include "test_support.h"

#include "data/app_settings.h"
#include "data/data_module.h"
#include "data/database_file.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
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

void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c == u'\n') {
            QTest::keyClick(widget, Qt::Key_Return);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void retype(QWidget* editor, const QString& text)
{
    editor->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(editor)) {
        memo->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->lineEdit()) {
        combo->lineEdit()->selectAll();
        editor = combo->lineEdit();
    }
    typeText(editor, text);
}

QStringList rowsOf(const QString& sql)
{
    QSqlQuery q(Dtmd->ADOConn->database());
    q.exec(sql);
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i)
            cells << q.value(i).toString();
        rows << cells.join(u'|');
    }
    return rows;
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

namespace testing {

DataModuleFixture::DataModuleFixture() : module(openDataModule(db.path()))
{
    LoadDefaultSettings();
}

} // namespace testing
