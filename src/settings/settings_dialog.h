#pragma once

#include <QDialog>

namespace Ui {
class TFConfig;
}

// The settings dialog: the single settings row (company, logo, VAT, display
// formats, document numbering) and the shipping-method and payment-term lists.
// "Save Config" writes the row, reloads the settings in force and reopens the
// invoice datasets so that their fields take the new formats; the dialog then
// closes with the result Accepted.
class TFConfig : public QDialog
{
    Q_OBJECT
public:
    explicit TFConfig(QWidget* parent = nullptr);
    ~TFConfig() override;

    void FormCreate();
    void RzBitBtn6Click();
    void btn_saveClick();
    void btn_cancelClick();

    // Where the shipping-method and payment-term grids go, each with its navigator.
    QWidget* shippingGridContainer() const;
    QWidget* paymentGridContainer() const;

protected:
    // The list grids write their edits as they are made: a row still being edited
    // there is stored when the dialog closes, whichever way it closes; one that the
    // table refuses keeps the dialog open.
    void done(int result) override;

private:
    void showLogoIfPresent(const QString& fileName);
    void showLogo(const QString& fileName);
    void fillFormatExamples();

    Ui::TFConfig* ui;
};
