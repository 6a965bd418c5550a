#pragma once
// An updatable whole-table data set ("select * from TABLE") and the navigator that drives it.
//
// TableDataSet wraps a QSqlTableModel (OnManualSubmit) with the states of a data set: browse,
// edit and insert of the current row. Each post, delete and refresh goes to the database at
// once; a failing one throws DatabaseError with the driver's text (shown by the general error
// handler) and leaves the row in its edited state. Views show model() directly; a picker that
// filters puts a proxy over model(): posted rows appear there at once, since a post re-reads
// the table. Line edits bound with bind() show the current row and start editing when typed
// into (QDataWidgetMapper underneath).
//
// Navigator is the row of buttons over a data set; objectNames "First", "Prior", "Next",
// "Last", "Insert", "Delete", "Edit", "Post", "Cancel", "Refresh". Delete asks
// "Delete record?" through MessageBoxes::askYesNo first. attachView() keeps the view's current
// row and the data set's in step, posts a pending change when the user moves to another row,
// and makes Ctrl+Delete in the view ask and delete like the button.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>

class QAbstractItemView;
class QDataWidgetMapper;
class QLineEdit;
class QPushButton;
class QSqlTableModel;

class TableDataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit TableDataSet(const QString &table, QObject *parent = nullptr);
    ~TableDataSet() override;

    QString table() const { return m_table; }
    // Reads the whole table on db; throws DatabaseError when the table cannot be read.
    void open(const QSqlDatabase &db);
    // Drops a pending insert or change and forgets the rows.
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }

    QSqlTableModel *model() const { return m_model.get(); }
    int rowCount() const;
    int currentRow() const { return m_current; }
    void setCurrentRow(int row); // posts a pending change first, as moving away does
    int columnIndex(const QString &column) const;

    QVariant value(const QString &column) const;      // of the current row
    QString text(const QString &column) const;        // the same as text; null reads as ""
    void setValue(const QString &column, const QVariant &value); // starts editing

    void insert();  // a new empty row at the current position
    void edit();    // current row into edit mode
    void post();    // insert or change to the database
    void cancel();  // drops the pending insert or change
    void remove();  // deletes the current row from the database (no question asked)
    void refresh(); // reads the table again, keeping the current position

    void first();
    void prior();
    void next();
    void last();

    void bind(QLineEdit *edit, const QString &column);

    // A view editing a cell tells the data set through the model; this is the same for
    // programmatic changes of the model outside setValue.
    void markEdited();

signals:
    void stateChanged(TableDataSet::State state);
    void currentRowChanged(int row);
    // open() on another connection than before made a new model; views must take model().
    void modelReplaced(QSqlTableModel *model);

private:
    void setState(State state);
    void moveTo(int row);
    void fetchAll();
    void applyBindings();
    void afterReselect(int wanted);

    struct Binding {
        QPointer<QLineEdit> edit;
        QString column;
    };

    QString m_table;
    std::unique_ptr<QSqlTableModel> m_model;
    std::unique_ptr<QDataWidgetMapper> m_mapper;
    State m_state = State::Inactive;
    int m_current = -1;
    QList<Binding> m_bindings;
    bool m_quiet = false; // the data set itself is changing the model
};

class Navigator : public QWidget {
    Q_OBJECT
public:
    enum class Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static QList<Button> allButtons();
    static QList<Button> editingButtons(); // insert, delete, edit, post, cancel, refresh

    explicit Navigator(QWidget *parent = nullptr, const QList<Button> &buttons = allButtons());

    void setDataSet(TableDataSet *dataSet);
    TableDataSet *dataSet() const { return m_dataSet; }
    void attachView(QAbstractItemView *view);

    QPushButton *button(Button which) const;
    static QString objectNameOf(Button which);

    // What the buttons do; each runs guarded, so a database error reaches the general error
    // handler and the data set stays as it was.
    void click(Button which);
    // Asks "Delete record?" and deletes on a yes; false when nothing was deleted.
    bool confirmAndDelete();

private:
    void updateButtons();
    void connectView();

    QPointer<TableDataSet> m_dataSet;
    QPointer<QAbstractItemView> m_view;
    QList<QPair<Button, QPushButton *>> m_buttons;
};
