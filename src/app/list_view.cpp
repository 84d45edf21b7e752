#include "app/list_view.hpp"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace qinghe {

void setUpListView(QTableView* view, const std::vector<int>& columnWidths) {
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setAlternatingRowColors(true);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    QHeaderView* rowsHeader = view->verticalHeader();
    rowsHeader->hide();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(view->fontMetrics().height() + 6);
    QHeaderView* columnsHeader = view->horizontalHeader();
    columnsHeader->setHighlightSections(false);
    columnsHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The widths suit the usual desktop font, whose Chinese characters are at most 13 pixels
    // wide; a larger font widens every column in proportion, and a column always has room for
    // its header.
    const QFontMetrics metrics = columnsHeader->fontMetrics();
    const double scale = std::max(1.0, metrics.horizontalAdvance(QChar(0x6C49)) / 13.0);  // 汉
    for (size_t column = 0; column < columnWidths.size(); ++column) {
        const int c = static_cast<int>(column);
        const QString header =
            view->model() ? view->model()->headerData(c, Qt::Horizontal).toString() : QString();
        const int width = static_cast<int>(columnWidths[column] * scale + 0.5);
        view->setColumnWidth(c, std::max(width, metrics.horizontalAdvance(header) + 16));
    }
}

}  // namespace qinghe
