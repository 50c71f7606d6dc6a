#include "demo_data.h"

#include "data/app_settings.h"
#include "data/data_module.h"
#include "demo_catalog.h"
#include "invoice/line_rules.h"
#include "platform/db/errors.h"

#include <QRandomGenerator>
#include <QSqlQuery>

#include <algorithm>
#include <numeric>

namespace tools {

namespace {

constexpr int kMaxInvoices = 1000000;

struct PaymentTerm
{
    QString name;
    int days = 0;
};

// What the invoices need of a customer, kept from when it was written.
struct CustomerRecord
{
    QString id;
    int discount = 0;
    PaymentTerm payment;
    QStringList contacts;
};

bool holdsInvoices(const TDtmd& module)
{
    QSqlQuery q(module.ADOConn->database());
    if (!q.exec(QStringLiteral(
            "SELECT EXISTS(SELECT 1 FROM tinvoice_master) OR EXISTS(SELECT 1 FROM tinvoice_detail)")) ||
        !q.next())
        throw db::DbError(
            QStringLiteral("Cannot read the invoices of '%1'.").arg(module.ADOConn->databasePath()));
    return q.value(0).toBool();
}

// Points the global data module at the one being filled, for the rules that reach it
// through Dtmd, and puts the previous one back afterwards.
class DataModuleInUse
{
public:
    explicit DataModuleInUse(TDtmd& module) : m_previous(Dtmd) { Dtmd = &module; }
    ~DataModuleInUse() { Dtmd = m_previous; }
    DataModuleInUse(const DataModuleInUse&) = delete;
    DataModuleInUse& operator=(const DataModuleInUse&) = delete;

private:
    TDtmd* m_previous;
};

class DemoGenerator
{
public:
    DemoGenerator(TDtmd& module, const DemoOptions& options)
        : m_module(module), m_options(options), m_random(options.seed)
    {
    }

    DemoSummary run()
    {
        DemoSummary summary;
        summary.settingsWritten = writeSettings();
        addShippingMethods();
        readPaymentTerms();
        summary.products = addProducts();
        summary.customers = addCustomers();
        summary.lines = addInvoices();
        summary.invoices = m_options.invoices;
        return summary;
    }

private:
    int pick(int count) { return int(m_random.bounded(quint32(count))); }
    bool chance(int percent) { return pick(100) < percent; }
    template <typename T> const T& pickFrom(const QList<T>& list) { return list[pick(int(list.size()))]; }

    QString digits(int count)
    {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar(u'0' + pick(10));
        return text;
    }

    // A juristic person's tax id: 13 digits, the last a check digit over the first twelve.
    QString taxId()
    {
        const QString first = QStringLiteral("0105") + digits(8);
        int sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += first[i].digitValue() * (13 - i);
        return first + QString::number((11 - sum % 11) % 10);
    }

    QString phone(const QString& area)
    {
        // Bangkok numbers have a one-digit area and seven digits, the provinces three and six.
        if (area.size() == 2)
            return QStringLiteral("%1-%2-%3").arg(area, digits(3), digits(4));
        return QStringLiteral("%1-%2-%3").arg(area, digits(3), digits(3));
    }

    bool writeSettings()
    {
        db::DataSet& config = *m_module.ADOTbConfig;
        config.open();
        const bool write = config.isEmpty();
        if (write) {
            const demo::Company& c = demo::company();
            config.insert();
            config.setValue("company_name", c.name);
            config.setValue("address1", c.address);
            config.setValue("tax_id", taxId());
            config.setValue("email", c.email);
            config.setValue("ad_info", c.adInfo);
            config.setValue("vat_name", c.vatName);
            config.setValue("vat_rate", 7.0);
            config.setValue("default_discount", 0.0);
            config.setValue("uses_tax_all", true);
            config.setValue("format_price", QStringLiteral("#,##0.00"));
            config.setValue("format_qty", QStringLiteral("#,##0"));
            config.setValue("format_date", QStringLiteral("DD/MM/YYYY"));
            config.setValue("font_name", c.fontName);
            config.setValue("font_size", 14);
            config.setValue("font_bold", false);
            config.setValue("invoice_prefix", QStringLiteral("INV-"));
            config.setValue("customer_prefix", QStringLiteral("CUS-"));
            config.setValue("product_prefix", QStringLiteral("PRD-"));
            config.setValue("startinvoice_no", QStringLiteral("0000001"));
            config.setValue("startcustomer_no", QStringLiteral("0000001"));
            config.setValue("startproduct_no", QStringLiteral("0000001"));
            config.setValue("invoice_header", c.invoiceHeader);
            config.setValue("email_sender", c.email);
            config.setValue("email_subject", QStringLiteral("ใบกำกับภาษี / Tax Invoice"));
            config.post();
        }
        LoadDefaultSettings();
        if (!LoadSettings())
            throw db::DbError(QStringLiteral("The settings row of '%1' cannot be read.")
                                  .arg(m_module.ADOConn->databasePath()));
        return write;
    }

    void addShippingMethods()
    {
        db::DataSet& shipping = *m_module.ADOTbShipping;
        shipping.open();
        QStringList names;
        for (int r = 0; r < shipping.recordCount(); ++r)
            names << shipping.storedValue(r, shipping.fieldIndex("shipping_name")).toString();
        for (const QString& method : demo::shippingMethods()) {
            if (names.contains(method))
                continue;
            shipping.insert();
            shipping.setValue("shipping_name", method);
            shipping.post();
            names << method;
        }
        m_shippingMethods = names;
    }

    void readPaymentTerms()
    {
        db::DataSet& payment = *m_module.ADOTbPayment;
        payment.open();
        for (int r = 0; r < payment.recordCount(); ++r) {
            payment.setCurrentRow(r);
            m_paymentTerms.append({payment.asString("payment_name"), payment.asInteger("payment_day")});
        }
        // A file whose payment terms were all deleted still gets invoices, paid at once.
        if (m_paymentTerms.isEmpty())
            m_paymentTerms.append({QString(), 0});
    }

    int addProducts()
    {
        db::DataSet& product = *m_module.ADOTbProduct;
        product.open();
        for (const demo::ProductEntry& entry : demo::products()) {
            product.insert(); // the number comes from NextProductId
            product.setValue("product_name", entry.name);
            product.setValue("product_desc", entry.description);
            // Goods are bought in at roughly 60 to 80 % of the selling price.
            product.setValue("product_cost", std::max(1, entry.price * (60 + pick(21)) / 100));
            product.setValue("product_price", entry.price);
            product.setValue("product_uom", entry.uom);
            product.setValue("product_taxable", entry.taxable);
            product.post();
            m_productRows.append(product.currentRow());
        }
        return int(m_productRows.size());
    }

    int addCustomers()
    {
        db::DataSet& customer = *m_module.ADOTbCustomer;
        db::DataSet& contact = *m_module.ADOTbContact;
        customer.open();
        contact.open();
        for (const demo::CustomerEntry& entry : demo::customers()) {
            const demo::Town& town = demo::towns()[entry.town];
            const QStringList& people = entry.thai ? demo::thaiPeople() : demo::englishPeople();
            const QString house = chance(50) ? QString::number(1 + pick(300))
                                             : QStringLiteral("%1/%2").arg(1 + pick(300)).arg(1 + pick(40));
            CustomerRecord record;
            const int d = pick(100);
            record.discount = d < 70 ? 0 : d < 90 ? 5 : 10;
            record.payment = pickFrom(m_paymentTerms);
            record.contacts << pickFrom(people);

            customer.insert(); // the number comes from NextCustomerId
            record.id = customer.asString("customer_id");
            customer.setValue("customer_name", entry.name);
            customer.setValue("customer_address1",
                              house + u' ' + (entry.thai ? town.thaiStreet : town.englishStreet));
            customer.setValue("customer_person", record.contacts.first());
            customer.setValue("customer_tax_id", taxId());
            customer.setValue("customer_email",
                              pickFrom(QStringList{"info", "purchasing", "account", "admin"}) + u'@' +
                                  entry.mailDomain);
            customer.setValue("customer_phone", phone(town.phoneArea));
            if (chance(35))
                customer.setValue("customer_fax", phone(town.phoneArea));
            customer.setValue("customer_discount", record.discount);
            if (!record.payment.name.isEmpty())
                customer.setValue("customer_payment", record.payment.name);
            customer.post();

            if (chance(40)) {
                const QString second = pickFrom(people);
                if (second != record.contacts.first())
                    record.contacts << second;
            }
            for (const QString& name : std::as_const(record.contacts)) {
                contact.insert(); // the link fills customer_id
                contact.setValue("contact_name", name);
                contact.post();
            }
            m_customers.append(record);
        }
        return int(m_customers.size());
    }

    // The issue dates of the invoices, oldest first, spread over the year up to today.
    QList<QDate> issueDates()
    {
        QList<int> daysAgo;
        daysAgo.reserve(m_options.invoices);
        for (int i = 0; i < m_options.invoices; ++i)
            daysAgo.append(pick(365));
        std::sort(daysAgo.begin(), daysAgo.end(), std::greater<int>());
        QList<QDate> dates;
        dates.reserve(daysAgo.size());
        for (int ago : std::as_const(daysAgo))
            dates.append(m_options.today.addDays(-ago));
        return dates;
    }

    int quantityFor(int price)
    {
        if (price <= 60)
            return 5 + pick(46);
        if (price <= 500)
            return 1 + pick(12);
        return 1 + pick(3);
    }

    int addInvoices()
    {
        db::DataSet& invoice = *m_module.ADOTbInvoice;
        db::DataSet& line = *m_module.ADOTbInvoiceDetail;
        db::DataSet& product = *m_module.ADOTbProduct;
        invoice.open();
        line.open();

        QList<int> order(m_productRows.size());
        std::iota(order.begin(), order.end(), 0);
        int lines = 0;
        const QList<QDate> dates = issueDates();
        for (const QDate& issued : dates) {
            const CustomerRecord& customer = pickFrom(m_customers);
            invoice.insert(); // number, methods and dates from the after-insert defaults
            invoice.setValue("customer_id", customer.id);
            invoice.setValue("contact_name", pickFrom(customer.contacts));
            invoice.setValue("issue_date", issued);
            invoice.setValue("due_date", issued.addDays(customer.payment.days));
            if (!customer.payment.name.isEmpty())
                invoice.setValue("method_payment", customer.payment.name);
            if (chance(40))
                invoice.setValue("method_shipping", pickFrom(m_shippingMethods));
            if (chance(40))
                invoice.setValue(
                    "customer_order_no",
                    QStringLiteral("PO%1-%2").arg(issued.toString(QStringLiteral("yyMM")), digits(4)));

            const int count = std::min(
                m_options.linesPerInvoice > 0 ? m_options.linesPerInvoice : 1 + pick(8), int(order.size()));
            const bool shipped = chance(20);
            for (int n = 0; n < count; ++n) {
                // An invoice holds each product once: draw without putting back.
                std::swap(order[n], order[n + pick(int(order.size()) - n)]);
                product.setCurrentRow(m_productRows[order[n]]);
                addLine(line, product, customer.discount, shipped && n == 0);
                ++lines;
            }
            StoreInvoiceTotals(invoice); // writes the totals and the new invoice row
        }
        return lines;
    }

    // One line as the line dialog makes it: the product chosen, then the quantity,
    // now and then a discount or a shipping charge, each change through its rule.
    void addLine(db::DataSet& line, const db::DataSet& product, int customerDiscount, bool withShipping)
    {
        line.insert();
        ApplyProductToLine(line, product, customerDiscount);
        const int price = product.asInteger("product_price");
        line.setValue("item_qty", quantityFor(price));
        RecalcLine(line, line.asBoolean("item_vat"));

        const int kind = pick(100);
        if (kind < 8) {
            QString percent = pickFrom(QStringList{"3", "5", "7.5", "10", "15"});
            line.setText("item_discountpercent", percent);
            ApplyDiscountPercent(line, percent, line.asBoolean("item_vat"));
        } else if (kind < 11 && price >= 20) {
            QString perUnit = QString::number(std::max(1, price * (5 + pick(11)) / 100));
            line.setText("item_discountperunit", perUnit);
            ApplyDiscountPerUnit(line, perUnit, line.asBoolean("item_vat"));
        }
        if (withShipping) {
            line.setValue("item_shipping", double(pickFrom(QList<int>{50, 80, 100, 150, 300})));
            RecalcLine(line, line.asBoolean("item_vat"));
        }
        line.post();
    }

    TDtmd& m_module;
    DemoOptions m_options;
    QRandomGenerator m_random;
    QStringList m_shippingMethods;
    QList<PaymentTerm> m_paymentTerms;
    QList<int> m_productRows;
    QList<CustomerRecord> m_customers;
};

} // namespace

int DemoProductCount()
{
    return int(demo::products().size());
}

DemoSummary FillDemoData(TDtmd& module, const DemoOptions& options)
{
    if (options.invoices < 0 || options.invoices > kMaxInvoices)
        throw db::DbError(
            QStringLiteral("The number of invoices must lie between 0 and %1.").arg(kMaxInvoices));
    if (options.linesPerInvoice < 0 || options.linesPerInvoice > DemoProductCount())
        throw db::DbError(
            QStringLiteral("The lines per invoice must lie between 1 and %1, the number of demo "
                           "products (an invoice holds each product once).")
                .arg(DemoProductCount()));
    if (!options.today.isValid())
        throw db::DbError(QStringLiteral("The demo data set needs a valid date to end on."));
    if (holdsInvoices(module))
        throw db::DbError(
            QStringLiteral("'%1' already holds invoices; the demo data set goes only into a file "
                           "without invoices.")
                .arg(module.ADOConn->databasePath()));

    DataModuleInUse inUse(module);
    db::Transaction transaction(*module.ADOConn);
    return DemoGenerator(module, options).run();
}

} // namespace tools
