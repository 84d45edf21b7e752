#include "app/name_list_model.hpp"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QIcon>
#include <QSignalSpy>
#include <QTableView>

#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

NameListRow row(const std::string& nameUtf8, const std::string& score) {
    return {{"", gbk(nameUtf8), "1", "2", "", "", "", score}};
}

TEST(NameListModel, HeadersWidthsTextAndRowImage) {
    NameListModel model;
    model.appendRow(row("李明", "90"));
    ASSERT_EQ(model.columnCount(), 8);
    const char* headers[] = {"编号", "姓名", "简体笔划", "繁体笔划", "五行", "五格", "三才", "评分"};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8(headers[c]));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QString::fromUtf8("李明"));
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::DecorationRole).isValid());
    QTableView view;
    view.setModel(&model);
    NameListModel::configureView(&view);
    const auto& widths = nameListWidths();
    for (int c = 0; c < 8; ++c) EXPECT_EQ(view.columnWidth(c), widths[c]);
}

TEST(NameListModel, PrepareFillKeepAndSortAHundredThousandRows) {
    NameListModel model;
    QElapsedTimer timer;
    timer.start();
    model.resetRows(100001);
    ASSERT_EQ(model.rowCount(), 100001);
    // Scores 0 … 9 in turn, so that equal scores must keep the order they were filled in.
    for (size_t i = 0; i < 60000; ++i)
        model.setRow(i, row("名" + std::to_string(i), std::to_string(i % 10)));
    model.keepRows(60000);
    ASSERT_EQ(model.rowCount(), 60000);
    model.sortByScoreAndRenumber();
    EXPECT_LT(timer.elapsed(), 3000);
    const auto& rows = model.rows();
    EXPECT_EQ(rows.front().columns[ColScore], "9");
    EXPECT_EQ(gbkToUtf8(rows[0].columns[ColName]), "名9");
    EXPECT_EQ(gbkToUtf8(rows[1].columns[ColName]), "名19");
    EXPECT_EQ(rows.back().columns[ColScore], "0");
    for (size_t i = 1; i < rows.size(); ++i) {
        ASSERT_GE(std::stoi(rows[i - 1].columns[ColScore]), std::stoi(rows[i].columns[ColScore]));
        ASSERT_EQ(rows[i].columns[ColNumber], std::to_string(i + 1));
    }
    model.keepRows(70000);  // more than there are: nothing changes
    EXPECT_EQ(model.rowCount(), 60000);
    model.resetRows(0);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(NameListModel, SetRowTellsTheViews) {
    NameListModel model;
    model.resetRows(3);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setRow(1, row("王", "50"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
    model.setRow(3, row("赵", "1"));  // beyond the end: ignored
    EXPECT_EQ(changed.count(), 1);
}

}  // namespace
}  // namespace qinghe
