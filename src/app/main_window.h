#pragma once

#include <QMainWindow>

namespace Ui {
class TFMain;
}

// The main window: the invoice browser and the hub from which every other
// window is opened. It opens the database and loads the settings while it is
// created; when the database cannot be used it says so and the program ends.
class TFMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFMain(QWidget* parent = nullptr);
    ~TFMain() override;

    // False when start-up found no usable database: the program ends unshown.
    bool startupSucceeded() const { return m_startupSucceeded; }

    void FormCreate();
    void OpenDatabase();
    void FormShow();
    void FormResize();

    // Commands.
    void N9Click();  // Exit

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowSplash();
    void FirstRunSettings();

    Ui::TFMain* ui;
    bool m_maximizeOnce = false;
    bool m_shown = false;
    bool m_startupSucceeded = false;
};

extern TFMain* FMain;
