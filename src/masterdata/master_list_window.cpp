#include "masterdata/master_list_window.h"

#include "platform/grid/data_grid.h"
#include "platform/ui/message_service.h"
#include "platform/ui/window_placement.h"
#include "ui_master_list_window.h"

#include <QPainter>
#include <QStyle>

namespace {

QIcon themeIcon(const char* name, QStyle::StandardPixmap fallback, const QWidget* widget)
{
    return QIcon::fromTheme(QString::fromLatin1(name), widget->style()->standardIcon(fallback));
}

// The picture of the header strip. Where the icon theme has no such icon the
// strip shows a badge with the title's first letter instead of a gap.
QPixmap headerPicture(const QIcon& icon, const QString& title, const QWidget* widget)
{
    const int size = 40;
    const qreal ratio = widget->devicePixelRatioF();
    if (!icon.isNull()) {
        const QPixmap picture = icon.pixmap(QSize(size, size), ratio);
        if (!picture.isNull())
            return picture;
    }
    QPixmap badge(QSize(size, size) * ratio);
    badge.setDevicePixelRatio(ratio);
    badge.fill(Qt::transparent);
    QPainter painter(&badge);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(widget->palette().color(QPalette::Active, QPalette::Highlight));
    painter.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), 8, 8);
    QFont font = widget->font();
    font.setBold(true);
    font.setPixelSize(22);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, title.left(1));
    return badge;
}

} // namespace

MasterListWindow::MasterListWindow(const Captions& captions, QWidget* parent)
    : QDialog(parent), ui(new Ui::MasterListWindow)
{
    ui->setupUi(this);
    ui::centreOnFirstShow(this);
    setWindowTitle(captions.window);
    resize(800, 600);

    QPalette white = ui->pnl_header->palette();
    white.setColor(QPalette::Window, Qt::white);
    ui->pnl_header->setPalette(white);
    ui->img_header->setPixmap(headerPicture(captions.headerIcon, captions.title, this));
    ui->lb_title->setText(captions.title);
    QFont titleFont = ui->lb_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    ui->lb_title->setFont(titleFont);

    ui->btnAdd->setText(captions.addButton);
    ui->btnEdit->setText(captions.editButton);
    ui->btnDelete->setText(captions.deleteButton);
    ui->Btn_printInvoice->setText(captions.printButton);
    ui->btnAdd->setIcon(themeIcon("document-new", QStyle::SP_FileIcon, this));
    ui->btnEdit->setIcon(themeIcon("document-edit", QStyle::SP_FileDialogDetailedView, this));
    ui->btnDelete->setIcon(themeIcon("edit-delete", QStyle::SP_TrashIcon, this));
    ui->btnRefresh->setIcon(themeIcon("view-refresh", QStyle::SP_BrowserReload, this));
    ui->btnSearch->setIcon(themeIcon("edit-find", QStyle::SP_FileDialogContentsView, this));
    ui->Btn_printInvoice->setIcon(themeIcon("document-print", QStyle::SP_DialogSaveButton, this));

    // A read-only list: whole rows, a row indicator, rows the user may make taller.
    ui->grid->setRowIndicatorVisible(true);
    ui->grid->setRowsResizable(true);
}

MasterListWindow::~MasterListWindow()
{
    delete ui;
}

grid::DataGrid* MasterListWindow::grid() const
{
    return ui->grid;
}

void MasterListWindow::connectCommands(const std::function<void()>& add, const std::function<void()>& edit,
                                       const std::function<void()>& remove,
                                       const std::function<void()>& refresh,
                                       const std::function<void()>& search,
                                       const std::function<void()>& print,
                                       const std::function<void()>& doubleClick)
{
    auto bind = [this](QToolButton* button, const std::function<void()>& command) {
        connect(button, &QToolButton::clicked, this, [command] { ui::runCommand(command); });
    };
    bind(ui->btnAdd, add);
    bind(ui->btnEdit, edit);
    bind(ui->btnDelete, remove);
    bind(ui->btnRefresh, refresh);
    bind(ui->btnSearch, search);
    bind(ui->Btn_printInvoice, print);
    connect(ui->grid, &grid::DataGrid::rowDoubleClicked, this,
            [doubleClick] { ui::runCommand(doubleClick); });
}

void MasterListWindow::showCountUnder(const QString& fieldName)
{
    grid::SummaryItem count;
    count.fieldName = fieldName;
    count.kind = grid::SummaryKind::Count;
    count.textHandler = [](const QString& text) { return QStringLiteral("Count = ") + text; };
    ui->grid->setSummaries(grid::SummaryPlace::Footer, {count});
}
