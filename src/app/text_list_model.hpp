// TextListModel: a list of plain text rows with fixed headers, for the lists that are not scored
// name lists (the English names, the poets, the poems). Rows are GBK texts, converted when shown;
// column 0 shows the list's row image.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <string>
#include <vector>

namespace qinghe {

class TextListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    TextListModel(QStringList headers, std::vector<int> widths, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<std::vector<std::string>>& rows() const { return rows_; }
    const std::vector<int>& columnWidths() const { return widths_; }

    void clear();
    // Appends a row; missing columns are empty, extra ones are dropped.
    void appendRow(std::vector<std::string> row);

private:
    QStringList headers_;
    std::vector<int> widths_;
    std::vector<std::vector<std::string>> rows_;
    QIcon rowIcon_;
};

}  // namespace qinghe
