#include "app/text_list_model.hpp"

#include "app/app_icons.hpp"
#include "app/qt_text.hpp"

namespace qinghe {

TextListModel::TextListModel(QStringList headers, std::vector<int> widths, QObject* parent)
    : QAbstractTableModel(parent),
      headers_(std::move(headers)),
      widths_(std::move(widths)),
      rowIcon_(appIcon(AppIcon::ListRow)) {}

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    if (role == Qt::DisplayRole)
        return toQString(rows_[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())]);
    if (role == Qt::DecorationRole && index.column() == 0) return rowIcon_;
    return {};
}

QVariant TextListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headers_.size())
        return headers_[section];
    return {};
}

void TextListModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void TextListModel::appendRow(std::vector<std::string> row) {
    row.resize(static_cast<size_t>(headers_.size()));
    const int at = static_cast<int>(rows_.size());
    beginInsertRows({}, at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
}

}  // namespace qinghe
