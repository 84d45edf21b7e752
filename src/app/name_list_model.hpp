// NameListModel: the rows of a scored name list (编号 姓名 简体笔划 繁体笔划 五行 五格 三才 评分)
// for a QTableView. The rows stay in their GBK form and are converted only when the view asks
// for a visible cell, so a list of 100,001 prepared rows costs one vector and nothing more.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <functional>
#include <vector>

#include "generate/name_list_row.hpp"

class QTableView;

namespace qinghe {

class NameListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit NameListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<NameListRow>& rows() const { return rows_; }
    const NameListRow& row(size_t position) const { return rows_[position]; }

    // Replaces every row by count empty rows (count 0 empties the list).
    void resetRows(size_t count);
    // Replaces every row by the given ones.
    void resetRows(std::vector<NameListRow> rows);
    void appendRow(NameListRow row);
    void setRow(size_t position, NameListRow row);
    // Removes rows from the end until count remain (nothing when there are count or fewer).
    void keepRows(size_t count);
    // Sorts by 评分, highest first; rows of equal score keep their order. Then numbers the rows
    // from 1.
    void sortByScoreAndRenumber();
    // Changes the rows through a function of the core (saved names, for example) and tells the
    // views afterwards.
    void editRows(const std::function<void(std::vector<NameListRow>&)>& edit);

    // Sets the eight column widths of a view showing this model, and the row settings that keep
    // long lists fast (fixed row height, no row header).
    static void configureView(QTableView* view);

private:
    std::vector<NameListRow> rows_;
    QIcon rowIcon_;
};

}  // namespace qinghe
