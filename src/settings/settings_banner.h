#pragma once

#include <QWidget>

// The picture across the top of the settings dialog: a blue band with a gear and
// the dialog's title, drawn in code so that it scales with the window.
class SettingsBanner : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsBanner(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {579, 56}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
