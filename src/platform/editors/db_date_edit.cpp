#include "platform/editors/db_date_edit.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QFocusEvent>
#include <QTimer>

namespace editors {

namespace {

// The lowest date of the editor stands for "no date" and shows as blank.
const QDate kNoDate(1900, 1, 1);

} // namespace

QString qtDateFormat(const QString& mask)
{
    const QString m = mask.isEmpty() ? QStringLiteral("dd/mm/yyyy") : mask;
    QString out;
    for (int i = 0; i < m.size();) {
        const QChar c = m[i].toLower();
        int run = 1;
        while (i + run < m.size() && m[i + run].toLower() == c)
            ++run;
        if (c == u'd')
            out += run >= 2 ? QStringLiteral("dd") : QStringLiteral("d");
        else if (c == u'm')
            out += run >= 2 ? QStringLiteral("MM") : QStringLiteral("M");
        else if (c == u'y')
            out += run >= 4 ? QStringLiteral("yyyy") : QStringLiteral("yy");
        else
            out += QString(run, m[i]);
        i += run;
    }
    return out;
}

DBDateEdit::DBDateEdit(QWidget* parent) : QDateEdit(parent), DataAwareEditor(this)
{
    setCalendarPopup(true);
    setMinimumDate(kNoDate);
    setSpecialValueText(QStringLiteral(" "));
    connect(this, &QDateEdit::dateChanged, this, [this] { userEdited(); });
    connect(this, &QDateEdit::editingFinished, this, [this] { commit(); });
    if (QCalendarWidget* calendar = calendarWidget()) {
        calendar->installEventFilter(this);
        // A day picked in the calendar is a finished entry.
        connect(calendar, &QCalendarWidget::clicked, this,
                [this] { QTimer::singleShot(0, this, [this] { commit(); }); });
    }
    refresh();
}

QDate DBDateEdit::shownDate() const
{
    return date() == kNoDate ? QDate() : date();
}

void DBDateEdit::userEdited()
{
    if (updating() || hasPendingChange())
        return;
    if (!beginChange())
        refresh();
}

bool DBDateEdit::commit()
{
    if (!hasPendingChange())
        return true;
    const QDate chosen = shownDate();
    if (chosen == link().value().toDate()) {
        refresh();
        return true;
    }
    const bool ok = writeChange([chosen](db::DataSet& ds, const QString& f) {
        ds.setValue(f, chosen.isValid() ? QVariant(chosen) : QVariant());
    });
    if (ok)
        emit committed();
    return ok;
}

void DBDateEdit::showValue()
{
    const db::FieldDef* f = link().field();
    setDisplayFormat(qtDateFormat(f ? f->displayFormat : QString()));
    const QDate d = link().value().toDate();
    setDate(d.isValid() ? d : kNoDate);
}

void DBDateEdit::applyEditable(bool editable)
{
    setReadOnly(!editable);
}

void DBDateEdit::focusOutEvent(QFocusEvent* event)
{
    QDateEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    commit();
}

bool DBDateEdit::eventFilter(QObject* watched, QEvent* event)
{
    // The calendar of an empty date opens on today, not on the blank marker.
    if (watched == calendarWidget() && event->type() == QEvent::Show && date() == kNoDate)
        calendarWidget()->setCurrentPage(QDate::currentDate().year(), QDate::currentDate().month());
    return QDateEdit::eventFilter(watched, event);
}

} // namespace editors
