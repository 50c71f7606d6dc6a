#pragma once

#include "platform/editors/data_aware_editor.h"
#include "platform/editors/lookup_model.h"

#include <QComboBox>

class QTableView;

namespace editors {

class LookupPopup;

// A field whose value is chosen from the rows of another dataset. The drop-down
// shows a grid of the given columns; the key column of the chosen row is stored in
// the field and the list column is shown. The user may type: the text is completed
// to the first entry (in the list's order) that begins with it, ignoring case, and
// keys that match no entry are refused. Choosing an entry makes it the current row
// of the looked-up dataset. Up and Down step through the entries, F4 or Alt+Down
// opens the list.
class DBLookupComboBox : public QComboBox, public DataAwareEditor
{
    Q_OBJECT
    Q_PROPERTY(bool fieldReadOnly READ isFieldReadOnly WRITE setFieldReadOnly)
public:
    explicit DBLookupComboBox(QWidget* parent = nullptr);
    ~DBLookupComboBox() override;

    void setLookup(db::DataSource* listSource, const QString& keyField, const QString& listField,
                   const QList<LookupColumn>& columns);
    db::DataSource* listSource() const { return m_listSource; }
    QString keyField() const { return m_keyField; }
    QString listField() const { return m_listField; }

    bool commit() override;

    void showPopup() override;
    void hidePopup() override;
    bool isPopupVisible() const;
    // The drop-down grid; nullptr until it is first shown.
    QTableView* dropDownView() const;
    // What clicking a row of the drop-down does: the entry is chosen and written.
    void chooseRow(int row);

signals:
    // The user chose an entry with another key, and the key has been written.
    void committed();

protected:
    void showValue() override;
    void applyEditable(bool editable) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TextState
    {
        QString text;
        int cursor = 0;
        int selectionStart = -1;
        int selectionLength = 0;
    };

    db::DataSet* listDataSet() const;
    int listColumnIndex() const;
    int keyColumnIndex() const;
    QString listText(int row) const;
    int rowOfKey(const QVariant& key) const;
    int findRow(const QString& prefix) const;
    void userTyped(const QString& text);
    void step(int delta);
    void listChanged();
    TextState textState() const;
    void restore(const TextState& state);

    QPointer<db::DataSource> m_listSource;
    QString m_keyField;
    QString m_listField;
    LookupModel* m_model;
    LookupPopup* m_popup = nullptr;
    QList<QMetaObject::Connection> m_listConnections;
    int m_foundRow = -1;   // the entry the typed text stands for
    TextState m_beforeKey; // the text before the key being handled, to refuse it
};

} // namespace editors
