#include "platform/ui/message_service.h"

#include "platform/db/errors.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <exception>

namespace ui {

namespace {

QWidget* activeWindow()
{
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                             : QApplication::activeWindow();
}

class WidgetMessageService final : public MessageService
{
public:
    void warning(const QString& text) override
    {
        QMessageBox::warning(activeWindow(), QApplication::applicationDisplayName(), text, QMessageBox::Ok);
    }
    bool confirm(const QString& text) override
    {
        return QMessageBox::question(activeWindow(), QApplication::applicationDisplayName(), text,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    }
    void error(const QString& text) override
    {
        QMessageBox::critical(activeWindow(), QApplication::applicationDisplayName(), text, QMessageBox::Ok);
    }
    QString openFileName(QWidget* parent, const QString& caption) override
    {
        return QFileDialog::getOpenFileName(parent, caption);
    }
    int execModal(QDialog* dialog) override { return dialog->exec(); }
};

WidgetMessageService& widgetService()
{
    static WidgetMessageService service;
    return service;
}

MessageService* g_service = nullptr;

} // namespace

MessageService& messages()
{
    return g_service ? *g_service : widgetService();
}

void setMessageService(MessageService* service)
{
    g_service = service;
}

bool runCommand(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const db::DbError& e) {
        messages().error(e.text());
    } catch (const std::exception& e) {
        messages().error(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        messages().error(QStringLiteral("An unexpected error stopped the command."));
    }
    return false;
}

} // namespace ui
