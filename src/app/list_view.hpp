// The common settings of every list of the windows: whole rows selected one at a time, no
// editing, a fixed row height without a row header (which keeps lists of 100,001 rows fast), and
// the column widths of the list (widened where a header needs more room). Call it after the
// view has its model.
#pragma once

#include <vector>

class QTableView;

namespace qinghe {

void setUpListView(QTableView* view, const std::vector<int>& columnWidths);

}  // namespace qinghe
