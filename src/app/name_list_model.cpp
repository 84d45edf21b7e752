#include "app/name_list_model.hpp"

#include <QTableView>
#include <algorithm>
#include <charconv>

#include "app/app_icons.hpp"
#include "app/list_view.hpp"
#include "app/qt_text.hpp"

namespace qinghe {

NameListModel::NameListModel(QObject* parent)
    : QAbstractTableModel(parent), rowIcon_(appIcon(AppIcon::ListRow)) {}

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int NameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NameListColumnCount;
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    const NameListRow& row = rows_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole: {
        QString text = toQString(row.columns[static_cast<size_t>(index.column())]);
        // The saved names and the scoring list keep surname and given name apart with a line
        // break; the cell shows the name on one line like every other list.
        if (index.column() == ColName) text.remove(QStringLiteral("\r\n"));
        return text;
    }
    case Qt::ToolTipRole:
        if (index.column() == ColName) {
            QString text = toQString(row.columns[ColName]);
            return text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        }
        return {};
    case Qt::DecorationRole:
        if (index.column() == ColNumber) return rowIcon_;
        return {};
    default:
        return {};
    }
}

QVariant NameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= NameListColumnCount) return {};
    if (role == Qt::DisplayRole) return toQString(nameListHeaders()[static_cast<size_t>(section)]);
    return {};
}

void NameListModel::resetRows(size_t count) {
    beginResetModel();
    rows_.assign(count, NameListRow{});
    endResetModel();
}

void NameListModel::resetRows(std::vector<NameListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void NameListModel::appendRow(NameListRow row) {
    const int at = static_cast<int>(rows_.size());
    beginInsertRows({}, at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
}

void NameListModel::setRow(size_t position, NameListRow row) {
    if (position >= rows_.size()) return;
    rows_[position] = std::move(row);
    const int r = static_cast<int>(position);
    emit dataChanged(index(r, 0), index(r, NameListColumnCount - 1));
}

void NameListModel::keepRows(size_t count) {
    if (count >= rows_.size()) return;
    beginRemoveRows({}, static_cast<int>(count), static_cast<int>(rows_.size()) - 1);
    rows_.resize(count);
    endRemoveRows();
}

void NameListModel::sortByScoreAndRenumber() {
    beginResetModel();
    sortRowsByScore(rows_);
    endResetModel();
}

void NameListModel::editRows(const std::function<void(std::vector<NameListRow>&)>& edit) {
    beginResetModel();
    edit(rows_);
    endResetModel();
}

void NameListModel::configureView(QTableView* view) {
    const auto& widths = nameListWidths();
    setUpListView(view, std::vector<int>(widths.begin(), widths.end()));
}

}  // namespace qinghe
