#include "PickerWindow.h"

#include "Errors.h"
#include "KeyPreview.h"
#include "MessageBoxes.h"
#include "TurkishText.h"

#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QShowEvent>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

FoldedColumn::FoldedColumn(const QAbstractItemModel *model, int column)
    : m_model(model), m_column(column)
{
}

void FoldedColumn::rebuild() const
{
    const int rows = m_model->rowCount();
    m_folded.clear();
    m_folded.reserve(rows);
    for (int row = 0; row < rows; ++row)
        m_folded.push_back(TurkishText::fold(m_model->index(row, m_column).data().toString()));
    m_valid = true;
}

int FoldedColumn::firstRowBeginningWith(const QString &prefix) const
{
    if (!m_valid)
        rebuild();
    const QString folded = TurkishText::fold(prefix);
    for (size_t row = 0; row < m_folded.size(); ++row)
        if (m_folded[row].startsWith(folded))
            return int(row);
    return -1;
}

namespace {
constexpr int FieldNameRole = Qt::UserRole + 1;

// Each grid shows its own titles over the one list.
class TitledColumns : public QIdentityProxyModel {
public:
    TitledColumns(QObject *parent, std::map<int, QString> titles)
        : QIdentityProxyModel(parent), m_titles(std::move(titles))
    {
    }
    void setTitles(std::map<int, QString> titles) { m_titles = std::move(titles); }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
            auto title = m_titles.find(section);
            if (title != m_titles.end())
                return title->second;
        }
        return QIdentityProxyModel::headerData(section, orientation, role);
    }

private:
    std::map<int, QString> m_titles;
};
} // namespace

MemoryTable::MemoryTable(const QStringList &fields, int width, QObject *parent)
    : QStandardItemModel(0, int(fields.size()), parent), m_fields(fields), m_width(width)
{
    for (int column = 0; column < fields.size(); ++column) {
        setHeaderData(column, Qt::Horizontal, fields.at(column), Qt::DisplayRole);
        setHeaderData(column, Qt::Horizontal, fields.at(column), FieldNameRole);
    }
}

void MemoryTable::appendValues(const QStringList &values)
{
    QList<QStandardItem *> items;
    for (int column = 0; column < m_fields.size(); ++column) {
        auto *item = new QStandardItem(values.value(column).left(m_width)); // owned by the model
        item->setEditable(false);
        items.append(item);
    }
    appendRow(items);
}

void MemoryTable::empty()
{
    removeRows(0, rowCount());
}

QString PickerWindow::emptyListMessage()
{
    return QString(15, u' ') + QStringLiteral("Kayıt Bulunamıyor") + QString(18, u' ');
}

PickerWindow::PickerWindow(QWidget *parent)
    : QDialog(parent), edtGELEN_PENCERE(new QLineEdit(this)), DBGrid1(new QTableView(this))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    edtGELEN_PENCERE->setObjectName("edtGELEN_PENCERE");
    edtGELEN_PENCERE->setVisible(false);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setVisible(false);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setCursor(Qt::PointingHandCursor);
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] { DBGrid1DblClick(); });
    KeyPreview::install(this);
}

void PickerWindow::setList(QAbstractItemModel *model)
{
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
    m_list = model;
    m_search.clear();
    if (m_list) {
        connect(m_list, &QAbstractItemModel::modelReset, this, [this] { listChanged(); });
        connect(m_list, &QAbstractItemModel::layoutChanged, this, [this] { listChanged(); });
        connect(m_list, &QAbstractItemModel::rowsInserted, this, [this] { listChanged(); });
        connect(m_list, &QAbstractItemModel::rowsRemoved, this, [this] { listChanged(); });
        connect(m_list, &QAbstractItemModel::dataChanged, this, [this] { listChanged(); });
    }
    for (const BoundGrid &bound : m_grids)
        applyColumns(bound);
}

void PickerWindow::listChanged()
{
    for (auto &[column, search] : m_search)
        search.invalidate();
}

void PickerWindow::bindGrid(QTableView *grid, const QList<GridColumn> &columns)
{
    if (grid != DBGrid1) {
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->verticalHeader()->setVisible(false);
        grid->horizontalHeader()->setStretchLastSection(true);
    }
    m_grids.append({grid, columns});
    applyColumns(m_grids.last());
}

void PickerWindow::applyColumns(const BoundGrid &bound)
{
    QTableView *grid = bound.grid;
    if (!m_list) {
        grid->setModel(nullptr);
        return;
    }
    std::map<int, QString> titles;
    QList<int> shown;
    for (const GridColumn &column : bound.columns) {
        const int index = columnOf(column.column);
        if (index < 0)
            continue;
        titles[index] = column.title;
        shown.append(index);
    }
    auto *titled = dynamic_cast<TitledColumns *>(grid->model());
    if (!titled || titled->sourceModel() != m_list) {
        QItemSelectionModel *oldSelection = grid->selectionModel();
        auto *oldModel = grid->model();
        titled = new TitledColumns(grid, titles); // owned by the grid
        titled->setSourceModel(m_list);
        grid->setModel(titled);
        delete oldSelection;
        if (dynamic_cast<TitledColumns *>(oldModel))
            oldModel->deleteLater();
        if (grid != DBGrid1) {
            followCursor(DBGrid1, grid);
            followCursor(grid, DBGrid1);
        }
        // A new list (or a reopened query) resets the header, and with it the hidden columns.
        connect(titled, &QAbstractItemModel::modelReset, grid, [this, grid] {
            for (const BoundGrid &other : m_grids)
                if (other.grid == grid)
                    applyColumns(other);
        });
    } else {
        titled->setTitles(titles);
    }
    QHeaderView *header = grid->horizontalHeader();
    for (int column = 0; column < m_list->columnCount(); ++column)
        header->setSectionHidden(column, !shown.contains(column));
    for (int position = 0; position < shown.size(); ++position)
        header->moveSection(header->visualIndex(shown.at(position)), position);
}

void PickerWindow::followCursor(QTableView *from, QTableView *to)
{
    connect(from->selectionModel(), &QItemSelectionModel::currentRowChanged, to,
            [from, to](const QModelIndex &current) {
                if (!to->model() || from->model() == nullptr)
                    return;
                const int row = current.row();
                if (to->currentIndex().row() == row)
                    return;
                if (row < 0)
                    to->selectionModel()->clearCurrentIndex();
                else
                    to->selectRow(row);
            });
}

void PickerWindow::setModes(std::function<QWidget *()> targetWindow, QList<PickMode> modes)
{
    m_targetWindow = std::move(targetWindow);
    m_modes = std::move(modes);
}

int PickerWindow::columnOf(const QString &column) const
{
    if (!m_list)
        return -1;
    if (auto *sql = qobject_cast<const QSqlQueryModel *>(m_list))
        return sql->record().indexOf(column);
    for (int index = 0; index < m_list->columnCount(); ++index)
        if (m_list->headerData(index, Qt::Horizontal, FieldNameRole).toString() == column)
            return index;
    return -1;
}

int PickerWindow::currentRow() const
{
    if (!m_list || m_list->rowCount() == 0)
        return -1;
    const int row = DBGrid1->currentIndex().row();
    return row < 0 ? 0 : row;
}

void PickerWindow::setCurrentRow(int row)
{
    if (!m_list || row < 0 || row >= m_list->rowCount())
        return;
    DBGrid1->selectRow(row);
    const int column = DBGrid1->horizontalHeader()->logicalIndex(0);
    DBGrid1->setCurrentIndex(DBGrid1->model()->index(row, column < 0 ? 0 : column));
}

QString PickerWindow::currentText(const QString &column) const
{
    const int row = currentRow();
    const int index = columnOf(column);
    if (index < 0)
        throw DatabaseError(QStringLiteral("'%1' alanı bulunamadı").arg(column));
    if (row < 0)
        return {};
    return m_list->index(row, index).data().toString();
}

void PickerWindow::locate(const QString &column, const QString &text)
{
    if (!m_list)
        return;
    if (text.isEmpty()) {
        setCurrentRow(0);
        return;
    }
    const int index = columnOf(column);
    if (index < 0)
        throw DatabaseError(QStringLiteral("'%1' alanı bulunamadı").arg(column));
    auto search = m_search.try_emplace(index, m_list, index).first;
    const int row = search->second.firstRowBeginningWith(text);
    if (row >= 0)
        setCurrentRow(row);
}

void PickerWindow::DBGrid1DblClick()
{
    if (currentRow() < 0) {
        ShowMessage(emptyListMessage());
        return;
    }
    QWidget *target = m_targetWindow ? m_targetWindow() : nullptr;
    for (const PickMode &mode : m_modes) {
        if (edtGELEN_PENCERE->text() != mode.mode)
            continue;
        for (const PickCopy &copy : mode.copies) {
            auto *edit = target ? target->findChild<QLineEdit *>(copy.targetEdit) : nullptr;
            if (!edit)
                throw KorvaError(QStringLiteral("'%1' bulunamadı").arg(copy.targetEdit));
            edit->setText(currentText(copy.column));
        }
    }
    close();
}

void PickerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void PickerWindow::done(int result)
{
    FormClose();
    QDialog::done(result);
}

ServiceListPicker::ServiceListPicker(const QString &caption, QWidget *parent)
    : PickerWindow(parent), VirtualTable1(new MemoryTable({"Alan1", "Alan2"}, 50, this))
{
    setWindowTitle(caption);
    VirtualTable1->setObjectName("VirtualTable1");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1);
    layout->addWidget(edtGELEN_PENCERE);
    setList(VirtualTable1);
    bindGrid(DBGrid1, {{"Alan1", "Kod"}, {"Alan2", "Açıklama"}});
    DBGrid1->setColumnWidth(0, 80);
    resize(460, 320);
    setFixedSize(size());
}

void ServiceListPicker::appendRow(const QString &alan1, const QString &alan2)
{
    VirtualTable1->appendValues({alan1, alan2});
}

void ServiceListPicker::First()
{
    setCurrentRow(0);
}

void ServiceListPicker::FormClose()
{
    VirtualTable1->empty();
}
