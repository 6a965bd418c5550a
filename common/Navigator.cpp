#include "Navigator.h"

#include "Database.h"
#include "KorvaApplication.h"
#include "MessageBoxes.h"

#include <QAbstractItemView>
#include <QDataWidgetMapper>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSqlError>
#include <QSqlIndex>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTimer>

TableDataSet::TableDataSet(const QString &table, QObject *parent)
    : QObject(parent),
      m_table(table),
      m_model(std::make_unique<QSqlTableModel>(nullptr,
                                               QSqlDatabase::database(ConnectionName, false))),
      m_mapper(std::make_unique<QDataWidgetMapper>())
{
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    m_mapper->setModel(m_model.get());
    connect(m_model.get(), &QAbstractItemModel::dataChanged, this, [this] { markEdited(); });
}

TableDataSet::~TableDataSet() = default;

void TableDataSet::open(const QSqlDatabase &db)
{
    if (m_model->database().driver() != db.driver()) {
        auto model = std::make_unique<QSqlTableModel>(nullptr, db);
        model->setEditStrategy(QSqlTableModel::OnManualSubmit);
        connect(model.get(), &QAbstractItemModel::dataChanged, this, [this] { markEdited(); });
        m_mapper->setModel(model.get());
        std::swap(m_model, model);
        emit modelReplaced(m_model.get());
    }
    m_quiet = true;
    m_model->revertAll();
    m_model->setTable(m_table);
    const bool ok = m_model->select();
    m_quiet = false;
    if (!ok) {
        const QString text = Database::errorText(m_model->lastError());
        m_model->clear();
        m_current = -1;
        setState(State::Inactive);
        throw DatabaseError(text);
    }
    fetchAll();
    applyBindings();
    setState(State::Browse);
    m_current = -2; // forces the move to announce itself
    moveTo(rowCount() > 0 ? 0 : -1);
}

void TableDataSet::close()
{
    if (!isOpen())
        return;
    m_quiet = true;
    m_model->revertAll();
    m_model->clear();
    m_quiet = false;
    for (const Binding &binding : m_bindings)
        if (binding.edit)
            binding.edit->clear();
    setState(State::Inactive);
    m_current = -1;
    emit currentRowChanged(-1);
}

int TableDataSet::rowCount() const { return isOpen() ? m_model->rowCount() : 0; }

int TableDataSet::columnIndex(const QString &column) const
{
    return m_model->fieldIndex(column);
}

void TableDataSet::setCurrentRow(int row)
{
    if (!isOpen() || row == m_current || row < 0 || row >= rowCount())
        return;
    if (isEditing())
        post();
    moveTo(row);
}

QVariant TableDataSet::value(const QString &column) const
{
    const int col = columnIndex(column);
    if (col < 0)
        throw DatabaseError(QStringLiteral("%1: Field '%2' not found").arg(m_table, column));
    if (m_current < 0)
        return {};
    return m_model->data(m_model->index(m_current, col), Qt::EditRole);
}

QString TableDataSet::text(const QString &column) const { return value(column).toString(); }

void TableDataSet::setValue(const QString &column, const QVariant &value)
{
    const int col = columnIndex(column);
    if (col < 0)
        throw DatabaseError(QStringLiteral("%1: Field '%2' not found").arg(m_table, column));
    if (m_current < 0)
        insert();
    else if (m_state == State::Browse)
        edit();
    m_model->setData(m_model->index(m_current, col), value, Qt::EditRole);
}

void TableDataSet::insert()
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(m_table));
    if (isEditing())
        post();
    const int row = m_current < 0 ? 0 : m_current;
    m_quiet = true;
    m_model->insertRow(row);
    m_quiet = false;
    setState(State::Insert);
    m_current = -2;
    moveTo(row);
}

void TableDataSet::edit()
{
    if (m_state == State::Browse && m_current >= 0)
        setState(State::Edit);
}

void TableDataSet::markEdited()
{
    if (!m_quiet)
        edit();
}

void TableDataSet::post()
{
    if (!isEditing())
        return;
    m_mapper->submit();
    const bool inserting = m_state == State::Insert;
    if (inserting) {
        // A row posted without any value typed is still a row: store its columns as null
        // (the key is left to the database).
        const QSqlRecord pending = m_model->record(m_current);
        const QSqlIndex key = m_model->primaryKey();
        bool anySet = false;
        for (int i = 0; i < pending.count(); ++i)
            anySet = anySet || pending.isGenerated(i);
        for (int i = 0; i < pending.count() && !anySet; ++i)
            if (!key.contains(pending.fieldName(i))) {
                m_quiet = true;
                m_model->setData(m_model->index(m_current, i), QVariant(), Qt::EditRole);
                m_quiet = false;
            }
    }
    const QSqlRecord posted = m_model->record(m_current);
    const int before = m_current;
    m_quiet = true;
    const bool ok = m_model->submitAll();
    m_quiet = false;
    if (!ok)
        throw DatabaseError(Database::errorText(m_model->lastError()));
    fetchAll();
    int wanted = before;
    if (inserting) {
        // The new row's place after the re-read is where its values are, looked for from the
        // end, where the database appends.
        for (int row = rowCount() - 1; row >= 0; --row) {
            const QSqlRecord candidate = m_model->record(row);
            bool same = true;
            for (int i = 0; i < posted.count() && same; ++i)
                if (posted.isGenerated(i) && !posted.isNull(i))
                    same = candidate.value(posted.fieldName(i)).toString()
                           == posted.value(i).toString();
            if (same) {
                wanted = row;
                break;
            }
        }
    }
    setState(State::Browse);
    afterReselect(wanted);
}

void TableDataSet::cancel()
{
    if (!isEditing())
        return;
    const bool inserting = m_state == State::Insert;
    m_quiet = true;
    m_model->revertAll();
    m_mapper->revert();
    m_quiet = false;
    setState(State::Browse);
    afterReselect(inserting ? std::max(0, m_current) : m_current);
}

void TableDataSet::remove()
{
    if (!isOpen())
        return;
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_current < 0)
        return;
    m_quiet = true;
    m_model->revertAll();
    m_model->removeRow(m_current);
    const bool ok = m_model->submitAll();
    if (!ok) {
        const QString text = Database::errorText(m_model->lastError());
        m_model->revertAll();
        m_quiet = false;
        setState(State::Browse);
        throw DatabaseError(text);
    }
    m_quiet = false;
    fetchAll();
    setState(State::Browse);
    afterReselect(m_current);
}

void TableDataSet::refresh()
{
    if (!isOpen())
        return;
    if (isEditing())
        post();
    const int before = m_current;
    m_quiet = true;
    const bool ok = m_model->select();
    m_quiet = false;
    if (!ok)
        throw DatabaseError(Database::errorText(m_model->lastError()));
    fetchAll();
    afterReselect(before);
}

void TableDataSet::first() { setCurrentRow(0); }
void TableDataSet::prior() { setCurrentRow(m_current - 1); }
void TableDataSet::next() { setCurrentRow(m_current + 1); }
void TableDataSet::last() { setCurrentRow(rowCount() - 1); }

void TableDataSet::bind(QLineEdit *edit, const QString &column)
{
    m_bindings.push_back({edit, column});
    connect(edit, &QLineEdit::textEdited, this, [this] {
        if (m_current < 0 && isOpen())
            runGuarded([this] { insert(); });
        else
            this->edit();
    });
    if (isOpen())
        applyBindings();
}

void TableDataSet::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void TableDataSet::moveTo(int row)
{
    const bool changed = row != m_current;
    m_current = row;
    if (row >= 0) {
        m_mapper->setCurrentIndex(row);
    } else {
        for (const Binding &binding : m_bindings)
            if (binding.edit)
                binding.edit->clear();
    }
    if (changed)
        emit currentRowChanged(row);
}

void TableDataSet::fetchAll()
{
    while (m_model->canFetchMore())
        m_model->fetchMore();
}

void TableDataSet::applyBindings()
{
    m_mapper->clearMapping();
    for (const Binding &binding : m_bindings)
        if (binding.edit && columnIndex(binding.column) >= 0)
            m_mapper->addMapping(binding.edit, columnIndex(binding.column));
}

void TableDataSet::afterReselect(int wanted)
{
    const int rows = rowCount();
    const int row = rows == 0 ? -1 : std::clamp(wanted, 0, rows - 1);
    m_current = -2;
    moveTo(row);
}

QList<Navigator::Button> Navigator::allButtons()
{
    return {Button::First, Button::Prior, Button::Next,   Button::Last,   Button::Insert,
            Button::Delete, Button::Edit, Button::Post, Button::Cancel, Button::Refresh};
}

QList<Navigator::Button> Navigator::editingButtons()
{
    return {Button::Insert, Button::Delete, Button::Edit,
            Button::Post,   Button::Cancel, Button::Refresh};
}

namespace {

struct ButtonLook {
    Navigator::Button button;
    const char *objectName;
    const char *text;
    const char *toolTip;
};

const ButtonLook ButtonLooks[] = {
    {Navigator::Button::First, "First", "|◀", "İlk kayıt"},
    {Navigator::Button::Prior, "Prior", "◀", "Önceki kayıt"},
    {Navigator::Button::Next, "Next", "▶", "Sonraki kayıt"},
    {Navigator::Button::Last, "Last", "▶|", "Son kayıt"},
    {Navigator::Button::Insert, "Insert", "+", "Yeni kayıt"},
    {Navigator::Button::Delete, "Delete", "−", "Kaydı sil"},
    {Navigator::Button::Edit, "Edit", "▲", "Kaydı düzenle"},
    {Navigator::Button::Post, "Post", "✓", "Kaydet"},
    {Navigator::Button::Cancel, "Cancel", "✕", "Vazgeç"},
    {Navigator::Button::Refresh, "Refresh", "↻", "Yenile"},
};

const ButtonLook &lookOf(Navigator::Button button)
{
    for (const ButtonLook &look : ButtonLooks)
        if (look.button == button)
            return look;
    return ButtonLooks[0];
}

} // namespace

Navigator::Navigator(QWidget *parent, const QList<Button> &buttons) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (Button which : buttons) {
        const ButtonLook &look = lookOf(which);
        auto *button = new QPushButton(QString::fromUtf8(look.text), this);
        button->setObjectName(QString::fromLatin1(look.objectName));
        button->setToolTip(QString::fromUtf8(look.toolTip));
        button->setMinimumWidth(32);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, which] { click(which); });
        m_buttons.push_back({which, button});
    }
    layout->addStretch();
    updateButtons();
}

void Navigator::setDataSet(TableDataSet *dataSet)
{
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    if (dataSet) {
        connect(dataSet, &TableDataSet::stateChanged, this, &Navigator::updateButtons);
        connect(dataSet, &TableDataSet::currentRowChanged, this, [this](int row) {
            updateButtons();
            if (m_view && m_view->model() && row >= 0) {
                const QModelIndex current = m_view->currentIndex();
                if (!current.isValid() || current.row() != row)
                    m_view->setCurrentIndex(
                        m_view->model()->index(row, current.isValid() ? current.column() : 0));
            }
        });
        connect(dataSet, &TableDataSet::modelReplaced, this, [this] { connectView(); });
    }
    connectView();
    updateButtons();
}

void Navigator::attachView(QAbstractItemView *view)
{
    m_view = view;
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete), view);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] { confirmAndDelete(); });
    connectView();
}

void Navigator::connectView()
{
    if (!m_view || !m_dataSet)
        return;
    if (m_view->model() != m_dataSet->model())
        m_view->setModel(m_dataSet->model());
    QItemSelectionModel *selection = m_view->selectionModel();
    disconnect(selection, nullptr, this, nullptr);
    connect(selection, &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_dataSet || !current.isValid() || current.row() == m_dataSet->currentRow())
                    return;
                const int row = current.row();
                bool moved = false;
                runGuarded([&] {
                    m_dataSet->setCurrentRow(row);
                    moved = true;
                });
                if (!moved) {
                    // The pending change could not be posted: the cursor stays on its row.
                    QTimer::singleShot(0, this, [this] {
                        if (m_view && m_dataSet && m_dataSet->currentRow() >= 0)
                            m_view->setCurrentIndex(
                                m_view->model()->index(m_dataSet->currentRow(), 0));
                    });
                }
            });
}

QPushButton *Navigator::button(Button which) const
{
    for (const auto &[kind, button] : m_buttons)
        if (kind == which)
            return button;
    return nullptr;
}

QString Navigator::objectNameOf(Button which) { return QString::fromLatin1(lookOf(which).objectName); }

void Navigator::click(Button which)
{
    if (!m_dataSet)
        return;
    TableDataSet &data = *m_dataSet;
    if (which == Button::Delete) {
        confirmAndDelete();
        return;
    }
    runGuarded([&] {
        switch (which) {
        case Button::First: data.first(); break;
        case Button::Prior: data.prior(); break;
        case Button::Next: data.next(); break;
        case Button::Last: data.last(); break;
        case Button::Insert: data.insert(); break;
        case Button::Edit: data.edit(); break;
        case Button::Post: data.post(); break;
        case Button::Cancel: data.cancel(); break;
        case Button::Refresh: data.refresh(); break;
        case Button::Delete: break;
        }
    });
    updateButtons();
}

bool Navigator::confirmAndDelete()
{
    if (!m_dataSet || !m_dataSet->isOpen() || m_dataSet->rowCount() == 0)
        return false;
    if (!MessageBoxes::current().askYesNo(QStringLiteral("Delete record?"),
                                          QStringLiteral("Confirm"),
                                          MessageBoxes::Icon::Question))
        return false;
    bool deleted = false;
    runGuarded([&] {
        m_dataSet->remove();
        deleted = true;
    });
    updateButtons();
    return deleted;
}

void Navigator::updateButtons()
{
    const bool open = m_dataSet && m_dataSet->isOpen();
    const bool editing = open && m_dataSet->isEditing();
    const int row = open ? m_dataSet->currentRow() : -1;
    const int rows = open ? m_dataSet->rowCount() : 0;
    for (const auto &[which, button] : m_buttons) {
        bool enabled = false;
        switch (which) {
        case Button::First:
        case Button::Prior: enabled = open && row > 0; break;
        case Button::Next:
        case Button::Last: enabled = open && row >= 0 && row < rows - 1; break;
        case Button::Insert:
        case Button::Refresh: enabled = open; break;
        case Button::Delete: enabled = open && rows > 0; break;
        case Button::Edit: enabled = open && !editing && row >= 0; break;
        case Button::Post:
        case Button::Cancel: enabled = editing; break;
        }
        button->setEnabled(enabled);
    }
}
