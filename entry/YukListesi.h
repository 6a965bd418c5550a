#pragma once
// The trip's load list: an in-memory table of loads with the columns of TYuk and the computed
// kilogram column KILO. It behaves like a data set: rows are read and written by column name,
// a cursor marks the current row, an order set once stays in force for rows added later.

#include "Amount.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <QVariant>
#include <QVariantMap>
#include <array>
#include <optional>

// One load as the editor fills it. Texts longer than their column are cut when the row is
// appended; a quantity or price that was not entered stays without a value.
struct YukSatiri {
    QString FirmaYukNo;
    QString GonderenVergiNo;
    QString GonderenUnvan;
    QString AliciVergiNo;
    QString AliciUnvan;
    QString YuklemeUlkeKodu;
    QString YuklemeIlMernisKodu;
    QString YuklemeIlceMernisKodu;
    QString BosaltmaUlkeKodu;
    QString BosaltmaIlMernisKodu;
    QString BosaltmaIlceMernisKodu;
    QDate YuklemeTarihi;
    QTime YuklemeSaati;
    QDate BosaltmaTarihi;
    QTime BosaltmaSaati;
    QString YukCinsId;
    QString YukDigerAciklama;
    QString YukBirimi;
    std::optional<double> YukMiktari;
    std::optional<Amount> TasimaBedeli;
    QString UnNumarasi;
    QString TehlikeliMaddeTasimaSekli;
};

class YukListesi : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Kind { Text, Date, Time, Real, Amount, Computed };
    struct Column {
        const char *name;
        const char *title; // the grid's column title
        Kind kind;
        int width; // maximum characters of a text column, 0 otherwise
    };
    struct SortKey {
        QString column;
        bool descending = false;
    };
    using Bookmark = quint64;

    // The model's columns in the grid's order: the 22 stored columns with KILO after YukMiktari.
    static const QList<Column> &columns();
    static int columnIndex(const QString &name); // -1 for an unknown name
    static constexpr int StoredColumnCount = 22;

    // The kilogram figure of a quantity in a unit: the quantity to four decimals, times the
    // unit's factor, again to four decimals, halves to the even neighbour. No value for a unit
    // outside "KG", "TON", "MG", "L", "AD", "PK" (compared case-sensitively).
    static std::optional<Amount> kiloFor(std::optional<double> miktar, const QString &birim);
    // Shortest decimal form in the default locale, no grouping: "15000", "2,5".
    static QString amountText(const Amount &value);

    explicit YukListesi(QObject *parent = nullptr);

    void open();  // empty and ready for rows
    void close(); // drops every row
    bool isOpen() const { return m_open; }

    // Appends one row in the place the order in force gives it and makes it current; returns
    // its row number. The map form takes values by column name like a data set: texts as
    // QString, dates as QDate, times as QTime, YukMiktari as double or as text in the default
    // locale, TasimaBedeli as Amount or as text in the default locale; an empty text or an
    // invalid QVariant leaves the column without a value. An unknown column name throws
    // DatabaseError; a text that is not a number throws ConversionError naming text and column;
    // either way no row is added.
    int appendRow(const YukSatiri &row);
    int appendRow(const QVariantMap &values);

    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    YukSatiri row(int row) const;
    // A stored column's value or KILO (its text, invalid when it has none), by name.
    QVariant fieldByName(int row, const QString &column) const;
    // Writes one stored column of a row in place, with the same conversions as appendRow; the
    // row moves to the place the order in force gives it.
    void setFieldByName(int row, const QString &column, const QVariant &value);
    std::optional<Amount> kilo(int row) const;

    void deleteRow(int row);
    void deleteCurrent(); // nothing when the list is empty
    void clear();         // removes every row; the order stays in force

    // The cursor: the current row, -1 when the list is empty.
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    void first();
    void last();
    void next(); // past the last row eof() turns true and the cursor stays on the last row
    bool eof() const { return m_eof; }
    Bookmark bookmark() const;          // of the current row
    void gotoBookmark(Bookmark mark);   // stays where it is when that row is gone

    // While disabled, cursor moves are not announced, so a bound grid does not follow them.
    void disableControls();
    void enableControls();

    // The order in force until another is set; an empty list keeps the order rows were added.
    void setOrder(const QList<SortKey> &keys);
    QList<SortKey> order() const { return m_order; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // An in-place edit from the grid; a number that does not convert is shown by the general
    // error handler and the cell keeps its value.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void currentRowChanged(int row);

private:
    struct Row {
        Bookmark id = 0;
        std::array<QVariant, StoredColumnCount> values;
    };
    static int storedIndex(int modelColumn); // -1 for KILO
    static QVariant converted(int modelColumn, const QVariant &value);
    bool lessThan(const Row &a, const Row &b) const;
    int placeFor(const Row &row) const;
    int insertRow(Row row);
    void reposition(int row);
    void moveCursor(int row);

    QList<Row> m_rows;
    QList<SortKey> m_order;
    Bookmark m_nextId = 1;
    int m_current = -1;
    bool m_eof = false;
    bool m_open = false;
    int m_controlsDisabled = 0;
};
