#include "platform/editors/lookup_popup.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionSizeGrip>
#include <QTableView>
#include <QVBoxLayout>

namespace editors {

namespace {

constexpr int kVisibleRows = 10;
constexpr int kWidestColumn = 480;

// The corner by which the user resizes the list. Drawn and handled here because a
// window manager will not resize a pop-up window for us.
class PopupResizeGrip : public QWidget
{
public:
    explicit PopupResizeGrip(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(14, 14);
        setCursor(Qt::SizeFDiagCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QStyleOptionSizeGrip option;
        option.initFrom(this);
        option.corner = Qt::BottomRightCorner;
        style()->drawControl(QStyle::CE_SizeGrip, &option, &p, this);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        m_pressAt = e->globalPosition().toPoint();
        m_startSize = window()->size();
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (!(e->buttons() & Qt::LeftButton))
            return;
        const QPoint delta = e->globalPosition().toPoint() - m_pressAt;
        const QSize wanted =
            (m_startSize + QSize(delta.x(), delta.y())).expandedTo(window()->minimumSizeHint());
        window()->resize(wanted.expandedTo(QSize(80, 60)));
    }

private:
    QPoint m_pressAt;
    QSize m_startSize;
};

} // namespace

LookupPopup::LookupPopup(QLineEdit* textEditor, QWidget* owner)
    : QFrame(owner, Qt::Popup), m_textEditor(textEditor), m_view(new QTableView(this))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setObjectName(QStringLiteral("lookupPopup"));

    m_view->setObjectName(QStringLiteral("lookupList"));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->setMouseTracking(true);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    connect(m_view, &QAbstractItemView::entered, this,
            [this](const QModelIndex& i) { highlightRow(i.row()); });

    auto* grip = new PopupResizeGrip(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(grip, 0, Qt::AlignRight | Qt::AlignBottom);
    setFocusProxy(m_view);
}

void LookupPopup::setModel(QAbstractItemModel* model)
{
    m_view->setModel(model);
}

void LookupPopup::highlightRow(int row)
{
    if (!m_view->model() || row < 0 || row >= m_view->model()->rowCount()) {
        m_view->clearSelection();
        return;
    }
    m_view->selectRow(row);
    m_view->scrollTo(m_view->model()->index(row, 0));
}

int LookupPopup::highlightedRow() const
{
    const QModelIndexList rows =
        m_view->selectionModel() ? m_view->selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QSize LookupPopup::contentSize(const QList<int>& columnWidths)
{
    int width = 0;
    for (int c = 0; c < columnWidths.size(); ++c) {
        // A column is as wide as asked, or wider when its texts need it.
        const int fitted =
            qMin(kWidestColumn,
                 qMax(columnWidths[c], static_cast<QAbstractItemView*>(m_view)->sizeHintForColumn(c)));
        m_view->setColumnWidth(c, fitted);
        width += fitted;
    }
    const int rows = m_view->model() ? m_view->model()->rowCount() : 0;
    const int shownRows = qBound(1, rows, kVisibleRows);
    if (rows > kVisibleRows)
        width += m_view->verticalScrollBar()->sizeHint().width();
    const int height = m_view->horizontalHeader()->sizeHint().height() +
                       shownRows * m_view->verticalHeader()->defaultSectionSize() + 14;
    const QMargins m = contentsMargins() + layout()->contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void LookupPopup::popUpUnder(QWidget* owner, const QList<int>& columnWidths)
{
    QSize size = contentSize(columnWidths);
    size.setWidth(qMax(size.width(), owner->width()));
    if (m_userSize.isValid())
        size = m_userSize;
    const QRect screen = owner->screen() ? owner->screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
    size = size.boundedTo(screen.size());
    QPoint at = owner->mapToGlobal(QPoint(0, owner->height()));
    if (at.y() + size.height() > screen.bottom()) {
        const int above = owner->mapToGlobal(QPoint(0, 0)).y() - size.height();
        at.setY(above >= screen.top() ? above : screen.bottom() - size.height());
    }
    at.setX(qBound(screen.left(), at.x(), qMax(screen.left(), screen.right() - size.width())));
    setGeometry(QRect(at, size));
    m_shownSize = size;
    show();
    m_view->setFocus(Qt::PopupFocusReason);
}

void LookupPopup::hideEvent(QHideEvent* event)
{
    if (size() != m_shownSize)
        m_userSize = size();
    QFrame::hideEvent(event);
}

bool LookupPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* e = static_cast<QMouseEvent*>(event);
        const QModelIndex index = m_view->indexAt(e->position().toPoint());
        if (e->button() == Qt::LeftButton && index.isValid()) {
            emit rowChosen(index.row());
            return true;
        }
    }
    if (watched == m_view && (event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod)) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
                if (key->modifiers() & Qt::AltModifier) {
                    hide();
                    return true;
                }
                return false;
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
                return false;
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Tab:
                emit rowChosen(highlightedRow());
                return true;
            case Qt::Key_Escape:
            case Qt::Key_F4:
                hide();
                return true;
            default:
                break;
            }
        }
        // Typing goes on in the combo's text, which finds the entry and highlights it here.
        QApplication::sendEvent(m_textEditor, event);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace editors
