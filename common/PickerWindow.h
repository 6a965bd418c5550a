#pragma once
// The one picker base. A picker lists rows, moves its cursor by an incremental search, and on a
// double click copies the current row's texts into its caller's edits by a table of modes: the
// caller writes a mode string into the hidden edtGELEN_PENCERE before showing the picker, and
// each picker declares, as data, which columns each mode writes into which edits.

#include <QDialog>
#include <QList>
#include <QStandardItemModel>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

class QAbstractItemModel;
class QLineEdit;
class QTableView;

// One copy of a mode: the text of column goes into the caller's edit named targetEdit.
struct PickCopy {
    QString column;
    QString targetEdit;
};

// A mode string and its copies, in the order they are written.
struct PickMode {
    QString mode;
    QList<PickCopy> copies;
};

// A column a grid shows, with its title.
struct GridColumn {
    QString column;
    QString title;
};

// One column of a list kept in folded form, so that a search keystroke compares prefixes only
// and never re-reads or re-folds the list. It rebuilds itself after the list changed.
class FoldedColumn {
public:
    FoldedColumn(const QAbstractItemModel *model, int column);
    // First row whose text begins with prefix, ignoring case the Turkish way; -1 for none.
    int firstRowBeginningWith(const QString &prefix) const;
    void invalidate() { m_valid = false; }

private:
    void rebuild() const;
    const QAbstractItemModel *m_model;
    int m_column;
    mutable std::vector<QString> m_folded;
    mutable bool m_valid = false;
};

// The in-memory table of the service-list pickers (VirtualTable1): text fields of a fixed
// width, rows appended in order; a longer text is cut to the width.
class MemoryTable : public QStandardItemModel {
    Q_OBJECT
public:
    MemoryTable(const QStringList &fields, int width, QObject *parent = nullptr);
    void appendValues(const QStringList &values);
    // Empties the table, keeping its fields.
    void empty();
    QStringList fields() const { return m_fields; }

private:
    QStringList m_fields;
    int m_width;
};

class PickerWindow : public QDialog {
    Q_OBJECT
public:
    // Shown when a double click finds no row: 15 blanks, the text, 18 blanks.
    static QString emptyListMessage();

    explicit PickerWindow(QWidget *parent = nullptr);

    QLineEdit *edtGELEN_PENCERE; // never visible: the caller's mode
    QTableView *DBGrid1;         // the pick list

    // The pick: an empty list shows the empty-list message and keeps the window open;
    // otherwise the mode's copies are written and the window closes, whether a mode matched
    // or not.
    void DBGrid1DblClick();

    QAbstractItemModel *list() const { return m_list; }
    // Row the cursor stands on; -1 when the list is empty.
    int currentRow() const;
    void setCurrentRow(int row);
    // The text of a named column in the current row.
    QString currentText(const QString &column) const;
    // Index of a named column of the list; -1 when it has none.
    int columnOf(const QString &column) const;

    // Moves the cursor to the first row whose column begins with text, ignoring case; an empty
    // text goes to the first row, a text no row begins with leaves the cursor where it was.
    void locate(const QString &column, const QString &text);

protected:
    // The list the grids show and the search looks in. Named columns resolve through the
    // record of an SQL model or the fields of a MemoryTable.
    void setList(QAbstractItemModel *model);
    // Shows the list in grid with only these columns, in this order, under these titles. A
    // grid bound besides DBGrid1 shares its cursor.
    void bindGrid(QTableView *grid, const QList<GridColumn> &columns);
    // The window whose edits the modes name (found by objectName at pick time), and the modes.
    void setModes(std::function<QWidget *()> targetWindow, QList<PickMode> modes);

    // Handlers of the derived window: on show, and on every close (pick, Esc, close box).
    virtual void FormShow() {}
    virtual void FormClose() {}

    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    struct BoundGrid {
        QTableView *grid;
        QList<GridColumn> columns;
    };
    void applyColumns(const BoundGrid &bound);
    void followCursor(QTableView *from, QTableView *to);
    void listChanged();

    QAbstractItemModel *m_list = nullptr;
    QList<BoundGrid> m_grids;
    std::function<QWidget *()> m_targetWindow;
    QList<PickMode> m_modes;
    std::map<int, FoldedColumn> m_search;
};

// The base of the pickers that show a list the service returned a moment before: created for
// one use, filled by the caller, shown modally and destroyed when they close. The list is
// VirtualTable1 with the fields Alan1 and Alan2 of width 50, shown as "Kod" and "Açıklama".
class ServiceListPicker : public PickerWindow {
    Q_OBJECT
public:
    explicit ServiceListPicker(const QString &caption, QWidget *parent = nullptr);

    MemoryTable *VirtualTable1;

    // Appends one row (Alan1, Alan2).
    void appendRow(const QString &alan1, const QString &alan2);
    // Moves to the first row, as the caller does before showing the picker.
    void First();

protected:
    void FormClose() override;
};
