#pragma once

#include "platform/ui/message_service.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QDialog;
class QWidget;
class TDtmd;

namespace testing {

// A fresh database file made from the real schema in a temporary folder.
class TempDatabase
{
public:
    TempDatabase();
    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    // Runs statements on the file through a connection of its own (fixtures).
    void exec(const QStringList& statements) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Stands in for the message boxes: records every text and gives planned answers.
class ScriptedMessages : public ui::MessageService
{
public:
    ScriptedMessages();
    ~ScriptedMessages() override;

    struct Shown
    {
        QString kind; // "warning", "confirm", "error"
        QString text;
    };
    QList<Shown> shown;
    QList<bool> confirmAnswers; // taken in order; No when none is left
    QStringList fileNames;      // answers to file choosers; cancelled when none is left
    // Called for each modal window instead of exec(); the default rejects it.
    std::function<int(QDialog*)> onModal;

    QStringList texts(const QString& kind = {}) const;

    void warning(const QString& text) override;
    bool confirm(const QString& text) override;
    void error(const QString& text) override;
    QString openFileName(QWidget* parent, const QString& caption) override;
    int execModal(QDialog* dialog) override;
};

// Types any text, Thai included, as key presses (QTest's own typing takes
// Latin-1 only); a line break is the Return key.
void typeText(QWidget* widget, const QString& text);
// Replaces the text of an editor as a person does: into the field, select all, type.
void retype(QWidget* editor, const QString& text);
// The rows a statement yields on the data module's connection, cells joined by "|".
QStringList rowsOf(const QString& sql);

// What most window tests stand on: a fresh database from the real schema, the
// scripted message boxes, the data module open on the file (the global Dtmd) and
// the built-in settings in force. Torn down in reverse order.
struct DataModuleFixture
{
    DataModuleFixture();
    TempDatabase db;
    ScriptedMessages messages;
    std::unique_ptr<TDtmd> module;
};

// The data module on an open database file; the global Dtmd points at it.
std::unique_ptr<TDtmd> openDataModule(const QString& databasePath);

} // namespace testing
