#include "app/settings_file.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "fixture_database.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

using testing::TempFolder;

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

TEST(SettingsFile, PathFollowsXdgConfigHomeAndFallsBackToHome) {
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string keepConfig = savedConfig ? savedConfig : "";
    const char* savedHome = std::getenv("HOME");
    const std::string keepHome = savedHome ? savedHome : "";

    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(defaultSettingsPath(), "/tmp/cfg/qinghe/config.dat");
    setenv("HOME", "/home/parent", 1);
    for (const char* unusable : {"", "relative/path"}) {
        setenv("XDG_CONFIG_HOME", unusable, 1);
        EXPECT_EQ(defaultSettingsPath(), "/home/parent/.config/qinghe/config.dat") << unusable;
    }
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(defaultSettingsPath(), "/home/parent/.config/qinghe/config.dat");

    setenv("HOME", keepHome.c_str(), 1);
    if (savedConfig) setenv("XDG_CONFIG_HOME", keepConfig.c_str(), 1);
}

TEST(SettingsFile, NumbersReadAsTheyAlwaysHaveBeen) {
    const std::pair<const char*, long> cases[] = {
        {"0", 0}, {"1", 1}, {"5", 5}, {"", 0}, {"abc", 0}, {"2x", 2}, {" 7", 7}, {"-1", -1}, {"+3", 3}};
    for (const auto& [text, number] : cases) EXPECT_EQ(settingNumber(text), number) << text;
}

TEST(SettingsFile, MissingFileReadsAsEmptyValues) {
    TempFolder folder;
    SettingsFile settings(folder.path() / "nothing" / "config.dat");
    EXPECT_FALSE(settings.load());
    EXPECT_EQ(settings.value(settingsSection(), gbk("姓氏")), "");
}

TEST(SettingsFile, RoundTripKeepsGbkValuesLongValuesAndOtherKeys) {
    TempFolder folder;
    const auto file = folder.path() / "qinghe" / "config.dat";
    // Another section and a key the program does not know must survive a save.
    writeFile(file, "; written by hand\r\n[other]\r\nkeep=yes\r\n[" + settingsSection() +
                        "]\r\n" + gbk("未知") + "=1\r\n");
    const std::string longValue(100000, 'x');  // far beyond any limit of the old profile reader
    const std::string surname = gbk("欧阳");
    {
        SettingsFile settings(file);
        ASSERT_TRUE(settings.load());
        settings.setValue(settingsSection(), gbk("姓氏"), surname);
        settings.setValue(settingsSection(), gbk("名字记录"), longValue);
        settings.setValue(settingsSection(), gbk("英文名字"), " with blanks ");
        ASSERT_TRUE(settings.save());
    }
    SettingsFile again(file);
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.value(settingsSection(), gbk("姓氏")), surname);
    EXPECT_EQ(again.value(settingsSection(), gbk("名字记录")), longValue);
    EXPECT_EQ(again.value(settingsSection(), gbk("英文名字")), " with blanks ");
    EXPECT_EQ(again.value(settingsSection(), gbk("未知")), "1");
    EXPECT_EQ(again.value("other", "keep"), "yes");
    // GBK on the disk, not UTF-8.
    EXPECT_NE(readFile(file).find("[" + settingsSection() + "]\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));
}

TEST(SettingsFile, FailedWriteKeepsTheOldFile) {
    TempFolder folder;
    const auto file = folder.path() / "config.dat";
    const std::string old = "[" + settingsSection() + "]\r\n" + gbk("姓氏") + "=" + gbk("李") + "\r\n";
    writeFile(file, old);
    // The new file cannot be created: a folder stands where it would go.
    std::filesystem::create_directory(file.string() + ".new");
    SettingsFile settings(file);
    ASSERT_TRUE(settings.load());
    settings.setValue(settingsSection(), gbk("姓氏"), gbk("王"));
    EXPECT_FALSE(settings.save());
    EXPECT_EQ(readFile(file), old);
}

}  // namespace
}  // namespace qinghe
