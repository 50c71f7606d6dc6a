#pragma once

#include "platform/db/connection.h"
#include "platform/db/dataset.h"

#include <QObject>

// The data module: the one connection and the datasets every window shares.
// A dataset's current row is shared by all windows; that is how they hand
// records to each other.
class TDtmd : public QObject
{
    Q_OBJECT
public:
    explicit TDtmd(QObject* parent = nullptr);
    ~TDtmd() override;

    db::Connection* ADOConn;
    db::TableDataSet* ADOTbCustomer;
    db::TableDataSet* ADOTbContact;
    db::DataSource* DtsCustomer;
    db::DataSource* DtsContact;
    db::TableDataSet* ADOTbProduct;
    db::DataSource* DtsProduct;
    db::TableDataSet* ADOTbInvoice;
    db::DataSource* DtsInvoice;
    db::TableDataSet* ADOTbInvoiceDetail;
    db::DataSource* DtsInvoiceDetail;
    db::TableDataSet* ADOTbConfig;
    db::DataSource* DtsConfig;
    db::TableDataSet* ADOTb;
    db::TableDataSet* ADOTbPayment;
    db::TableDataSet* ADOTbShipping;
    db::DataSource* DtsPayment;
    db::DataSource* DtsShipping;
    db::QueryDataSet* ADOQr;
    db::StoredProcDataSet* ADOStPr;
    db::StoredProcDataSet* ADOStPrItemInvoice;
    db::DataSource* DtsItemInvoice;
    db::QueryDataSet* ADOQrsum;
    db::DataSource* DtsQrSum;

    void DataModuleCreate();

    // Opens ADOTb on a stored query without parameters; on failure shows
    // "Cannot load '%s'." and returns false.
    bool RunStoredQuery(const QString& name);

    QString NextCustomerId();
    QString NextProductId();
    QString NextInvoiceId();

    struct InvoiceTotals
    {
        double beforeDiscount = 0;
        double discount = 0;
        double afterDiscount = 0;
        double shipping = 0;
        double vat = 0;
        double invoiceTotal = 0;
    };
    // The six totals of an invoice from the stored query gettotalinvoice; the
    // invoice total includes the shipping. Fields not read keep their values.
    bool RecalcInvoiceTotals(const QString& invoiceId, InvoiceTotals& totals);
    // How many lines of the invoice carry the product (0 also when the query fails).
    int ProductAlreadyOnInvoice(const QString& invoiceId, const QString& productId);

    // Dataset handlers.
    void ADOTbCustomerAfterInsert();
    void ADOTbProductAfterInsert();
    void ADOTbInvoiceAfterInsert();
    void ADOTbProductBeforeOpen();
    void ADOTbInvoiceBeforeOpen();
    void ADOTbInvoiceDetailBeforeOpen();
    void ADOQrsumBeforeOpen();

    // The summary statement of the invoice browser, one line per invoice line.
    static QStringList SummaryStatement();

private:
    QString nextNumber(const QString& storedQuery, const QString& resultColumn, const QString& prefix,
                       const QString& startTemplate, const QString& table, const QString& keyColumn);
};

extern TDtmd* Dtmd;
