#include <gtest/gtest.h>

#include "fixture_database.hpp"
#include "run_command.hpp"

namespace qinghe {
namespace {

using testing::CommandResult;
using testing::runCommand;

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = testing::writeFixtureDatabase(folder.path() / "namedata.db",
                                           testing::defaultFixtureCharacters()).string();
    }
    CommandResult cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--db", db});
        return runCommand(QINGHE_CLI, args);
    }
    testing::TempFolder folder;
    std::string db;
};

TEST_F(CliTest, ScorePrintsTheRowLuckWordsAndAdvice) {
    CommandResult r = cli({"score", "王", "小明"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string expectedStart =
        "姓名\t简体笔划\t繁体笔划\t五行\t五格\t三才\t评分\n"
        "王小明\t15\t15\t土金火\t5,7,11,15,9\t土金木\t";
    EXPECT_EQ(r.out.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(r.out.find("\n天格\t大吉\n人格\t吉\n地格\t大吉\n总格\t大吉\n外格\t凶\n三才\t吉\n建议\t"),
              std::string::npos)
        << r.out;
}

TEST_F(CliTest, CharPrintsEveryField) {
    CommandResult r = cli({"char", "欧"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("汉字\t欧\n繁体\t歐\n简体笔画数\t8\n繁体笔画数\t15\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("可用\t是\n"), std::string::npos);
    EXPECT_NE(cli({"char", "龘"}).out.find("可用\t否\n"), std::string::npos);
}

TEST_F(CliTest, BadInputGetsOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {"score", "王"}, {"score", "", "明"}, {"score", "王", ""},
        {"score", "王", "\xFF\xFE"}, {"char"}, {"nonsense"}, {}};
    for (const auto& args : bad) {
        CommandResult r = cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CliTest, MissingDatabaseGivesTheLoaderMessageAndStatusOne) {
    CommandResult r = runCommand(QINGHE_CLI, {"--db", (folder.path() / "none.db").string(),
                                              "score", "王", "明"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("将磁盘数据库附加到内存数据库失败！"), std::string::npos);
}

TEST_F(CliTest, HelpNamesEveryCommand) {
    CommandResult r = runCommand(QINGHE_CLI, {"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* command : {"score SURNAME GIVEN", "char X", "--db PATH"})
        EXPECT_NE(r.out.find(command), std::string::npos) << command;
}

TEST_F(CliTest, CalendarCommandsPrintPillarsReadingAndTerms) {
    CommandResult r = cli({"pillars", "2014-02-04", "7"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "甲午\t丙寅\t丙午\t壬辰\t正月\t初五\n");

    r = cli({"bazi", "2013-01-01", "0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find("八字五行")),
              "公历日期：2013年1月1日0时\n\n农历日期：壬辰年    冬月  二十日  庚子时\n\n"
              "八字四柱：壬辰年  壬子月  丁卯日  庚子时\n\n");
    EXPECT_EQ(r.out.find('\r'), std::string::npos);

    r = cli({"terms", "2014"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 24);
    EXPECT_EQ(r.out.substr(0, 25), "小寒\t2014-01-05 18:24:1");
    EXPECT_NE(r.out.find("\n立春\t2014-02-04 06:03:1"), std::string::npos);
}

TEST_F(CliTest, CalendarCommandsRejectBadMoments) {
    const std::vector<std::vector<std::string>> bad = {
        {"bazi", "2014-02-30", "1"}, {"bazi", "2013-01-01"},     {"bazi", "2013-01-01", "24"},
        {"pillars", "2014-2-x", "1"}, {"pillars", "1901-02-18", "0"}, {"pillars", "20140204", "7"},
        {"terms", "2049"},            {"terms", "14"},              {"terms"}};
    for (const auto& args : bad) {
        CommandResult r = cli(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
}  // namespace qinghe
