-- The Brimvale database: eight tables, the stored queries the program knows by
-- name, and the first rows of a fresh file. Dates are ISO text (YYYY-MM-DD),
-- money and percents REAL, yes/no INTEGER 0/1 declared BOOLEAN.

PRAGMA application_id = 1112690006;  -- 'BRMV': marks the file as ours
PRAGMA user_version = 1;             -- schema version

CREATE TABLE tcustomer (
    customer_id        VARCHAR(20),
    customer_name      TEXT,
    customer_address1  TEXT,
    customer_person    TEXT,
    customer_tax_id    TEXT,
    customer_email     TEXT,
    customer_phone     TEXT,
    customer_fax       TEXT,
    customer_discount  INTEGER,
    customer_payment   TEXT
);
CREATE UNIQUE INDEX tcustomer_key ON tcustomer (customer_id);

CREATE TABLE tcontact (
    contact_ID    INTEGER PRIMARY KEY,
    contact_name  TEXT,
    customer_id   VARCHAR(20)
);
CREATE INDEX tcontact_customer ON tcontact (customer_id);

CREATE TABLE tproduct (
    product_id       VARCHAR(20),
    product_name     VARCHAR(50),
    product_desc     VARCHAR(255),
    product_cost     INTEGER,
    product_price    INTEGER,
    product_uom      VARCHAR(50),
    product_taxable  BOOLEAN
);
CREATE UNIQUE INDEX tproduct_key ON tproduct (product_id);

CREATE TABLE tinvoice_master (
    invoice_id             VARCHAR(20),
    issue_date             DATE,
    due_date               DATE,
    customer_id            VARCHAR(20),
    customer_order_no      VARCHAR(50),
    method_shipping        VARCHAR(20),
    method_payment         VARCHAR(20),
    total_before_discount  REAL,
    total_discount         REAL,
    total_after_discount   REAL,
    total_shipping         REAL,
    total_tax              REAL,
    total_invoice          REAL,
    contact_name           VARCHAR(50)
);
CREATE UNIQUE INDEX tinvoice_master_key ON tinvoice_master (invoice_id);

CREATE TABLE tinvoice_detail (
    item_id               VARCHAR(20),
    invoice_id            VARCHAR(50),
    item_name             VARCHAR(50),
    item_qty              INTEGER,
    item_price            REAL,
    item_discountperunit  REAL,
    item_netprice         REAL,
    item_extended         REAL,
    item_shipping         REAL,
    item_vat              BOOLEAN,
    item_vatamt           REAL,
    item_uom              VARCHAR(10),
    item_total            REAL,
    item_discountpercent  REAL
);
-- A line is its invoice and its product: an invoice holds a product once.
CREATE UNIQUE INDEX tinvoice_detail_key ON tinvoice_detail (invoice_id, item_id);

CREATE TABLE tconfig (
    company_name       TEXT,
    address1           TEXT,
    tax_id             TEXT,
    email              TEXT,
    invoice_logo       TEXT,
    ad_info            TEXT,
    vat_name           TEXT,
    vat_rate           REAL,
    default_discount   REAL,
    uses_tax_all       BOOLEAN,
    format_price       TEXT,
    format_qty         TEXT,
    format_date        TEXT,
    font_name          TEXT,
    font_size          INTEGER,
    font_bold          BOOLEAN,
    invoice_prefix     TEXT,
    customer_prefix    TEXT,
    product_prefix     TEXT,
    startinvoice_no    TEXT,
    startcustomer_no   TEXT,
    startproduct_no    TEXT,
    invoice_header     TEXT,
    invoice_template1  TEXT,
    invoice_template2  TEXT,
    email_sender       TEXT,
    email_default      TEXT,
    email_subject      TEXT,
    email_host         TEXT,
    email_port         TEXT,
    email_authen       BOOLEAN,
    email_user         TEXT,
    email_pasword      TEXT
);

CREATE TABLE tpayment (
    payment_name  TEXT,
    payment_day   INTEGER
);
CREATE UNIQUE INDEX tpayment_key ON tpayment (payment_name);

CREATE TABLE tshipping (
    shipping_name  TEXT
);
CREATE UNIQUE INDEX tshipping_key ON tshipping (shipping_name);

-- Stored queries without parameters are views, read like a table of their name.
CREATE VIEW loadconfig AS
    SELECT * FROM tconfig ORDER BY rowid LIMIT 1;
-- MAX over the key index: one look-up, not a scan of the table.
CREATE VIEW getmaxcustomer AS SELECT MAX(customer_id) AS maxcust FROM tcustomer;
CREATE VIEW getmaxproduct AS SELECT MAX(product_id) AS maxprod FROM tproduct;
CREATE VIEW getmaxinvoice AS SELECT MAX(invoice_id) AS maxinv FROM tinvoice_master;

-- Stored queries with positional parameters live in this catalogue.
CREATE TABLE tstored_query (
    query_name  TEXT PRIMARY KEY,
    query_text  TEXT NOT NULL
);
-- The six totals of one invoice. total_invoice is the lines' amount without
-- shipping: the program adds the shipping total to it.
INSERT INTO tstored_query VALUES ('gettotalinvoice',
'SELECT SUM(item_price * item_qty) AS total_before_discount,
        SUM(item_discountperunit * item_qty) AS total_discount,
        SUM(item_extended) AS total_after_discount,
        SUM(item_shipping) AS total_shipping,
        SUM(item_vatamt) AS total_vat,
        SUM(item_total) AS total_invoice
   FROM tinvoice_detail
  WHERE invoice_id = ?');
INSERT INTO tstored_query VALUES ('gethaveitemalready',
'SELECT COUNT(*) AS countitem FROM tinvoice_detail WHERE invoice_id = ? AND item_id = ?');

-- First rows. No settings row: a fresh file starts with the first-run settings.
INSERT INTO tshipping (shipping_name) VALUES ('TRUCK');
INSERT INTO tpayment (payment_name, payment_day) VALUES ('CASH', 0);
INSERT INTO tpayment (payment_name, payment_day) VALUES ('CREDIT 30', 30);
INSERT INTO tpayment (payment_name, payment_day) VALUES ('CREDIT 60', 60);
