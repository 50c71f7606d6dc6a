#include "app/main_window.h"
#include "data/data_module.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brimvale"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brimvale"));

    auto dataModule = std::make_unique<TDtmd>();
    Dtmd = dataModule.get();
    auto mainWindow = std::make_unique<TFMain>();
    FMain = mainWindow.get();
    if (!mainWindow->startupSucceeded())
        return 1;
    mainWindow->show();
    const int result = QApplication::exec();
    mainWindow.reset();
    dataModule.reset();
    return result;
}
