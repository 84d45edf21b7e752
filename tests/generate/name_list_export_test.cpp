#include "generate/name_list_export.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fixture_database.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

TEST(NameListExport, HeaderRowsAndStopAtTheFirstUnfilledRow) {
    std::vector<NameListRow> rows(3);
    rows[0].columns = {"1", gbk("李明轩"), "22", "25", gbk("火火土"), "8,15,18,25,11", gbk("金土金"), "96"};
    // rows[1] is unfilled, as in a paused job
    rows[2].columns = {"3", "x", "", "", "", "", "", "1"};
    std::string text = nameListExportText(rows);
    EXPECT_EQ(text, gbk("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n"
                        "1    李明轩    22    25    火火土    8,15,18,25,11    金土金    96\r\n"));
    EXPECT_EQ(nameListExportText({}), gbk("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n"));
}

TEST(NameListExport, WritesByReplacingAndReportsFailure) {
    testing::TempFolder folder;
    std::string path = (folder.path() / "NameList.txt").string();
    ASSERT_TRUE(writeExportFile(path, "first, longer text"));
    ASSERT_TRUE(writeExportFile(path, "second"));
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    EXPECT_EQ(s.str(), "second");
    EXPECT_FALSE(writeExportFile((folder.path() / "no-such-folder" / "x.txt").string(), "text"));
}

}  // namespace
}  // namespace qinghe
