#pragma once

#include <QDialog>

namespace Ui {
class TFNewCustomer;
}

// The entry dialog of one customer. It edits the current row of the shared
// customer dataset, which its opener has put into editing (a new customer or the
// current one); saving posts that row, cancelling drops the changes.
class TFNewCustomer : public QDialog
{
    Q_OBJECT
public:
    explicit TFNewCustomer(QWidget* parent = nullptr);
    ~TFNewCustomer() override;

    void FormCreate();
    void btn_saveClick();
    void btn_cancelClick();

protected:
    // Closed any way but "Save" (Cancel, the close box, Escape), the row's edit is dropped.
    void done(int result) override;

private:
    Ui::TFNewCustomer* ui;
};
