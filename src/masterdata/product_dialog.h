#pragma once

#include <QDialog>

namespace Ui {
class TFNewProduct;
}

// The entry dialog of one product. It edits the current row of the shared
// product dataset, which its opener has put into editing; saving posts that row,
// cancelling drops the changes. Cost and price are whole numbers shown in the
// money format.
class TFNewProduct : public QDialog
{
    Q_OBJECT
public:
    explicit TFNewProduct(QWidget* parent = nullptr);
    ~TFNewProduct() override;

    void btn_saveClick();
    void btn_cancelClick();

protected:
    // Closed any way but "Save" (Cancel, the close box, Escape), the row's edit is dropped.
    void done(int result) override;

private:
    Ui::TFNewProduct* ui;
};
