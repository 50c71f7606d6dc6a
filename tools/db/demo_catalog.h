#pragma once

// The fixed content of the demo data set: a Thai trading company, the towns its
// customers sit in, its customers and the goods it sells. The generator in
// demo_data.cpp draws from these lists; nothing here is computed.

#include <QList>
#include <QString>

namespace tools::demo {

struct Town
{
    QString thaiStreet;    // street, sub-district, district, province and post code in Thai
    QString englishStreet; // the same in English
    QString phoneArea;     // "02" for Bangkok, "053" for Chiang Mai, ...
};

struct CustomerEntry
{
    QString name;
    QString mailDomain; // the romanised name the customer's e-mail address uses
    int town;           // index into towns()
    bool thai;          // Thai name and address (else English)
};

struct ProductEntry
{
    QString name;
    QString description;
    QString uom;
    int price; // whole baht
    bool taxable;
};

struct Company
{
    QString name;
    QString address;
    QString email;
    QString adInfo;
    QString vatName;
    QString invoiceHeader;
    QString fontName;
};

const Company& company();
const QList<Town>& towns();
const QList<CustomerEntry>& customers();
const QList<ProductEntry>& products();
const QStringList& thaiPeople();
const QStringList& englishPeople();
// Shipping methods a trading company uses besides the file's own.
const QStringList& shippingMethods();

} // namespace tools::demo
