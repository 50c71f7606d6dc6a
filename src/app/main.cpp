#include "app/main_window.h"
#include "data/data_module.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The title under which the running program is shown. No display name is set:
    // Qt would add it to the caption of every window ("Settings — Brimvale").
    QApplication::setApplicationName(QStringLiteral("Brimvale"));

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
