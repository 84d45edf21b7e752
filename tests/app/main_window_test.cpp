// The main window driven through its real widgets, found by their names.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "app/name_list_model.hpp"
#include "app/qt_text.hpp"
#include "app/skin_counter.hpp"
#include "main_window_harness.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

using testing::MainWindowHarness;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

std::string settingsText(const std::string& bodyUtf8) { return gbk("[设置]\r\n" + bodyUtf8); }

void expectDateList(QComboBox* list, int first, int count, const QString& selected) {
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), count) << list->objectName().toStdString();
    EXPECT_EQ(list->itemText(0), QString::number(first));
    EXPECT_EQ(list->itemText(count - 1), QString::number(first + count - 1));
    EXPECT_EQ(list->currentText(), selected) << list->objectName().toStdString();
}

QString statusHint(MainWindowHarness& h) { return h.find<QLabel>("状态条1_提示")->text(); }

TEST(MainWindow, FirstRunState) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    QingHeMain& w = h.window();
    EXPECT_EQ(w.objectName(), u("QingHeMain"));
    EXPECT_EQ(w.windowTitle(), u("青禾取名软件"));
    EXPECT_EQ(w.size(), QSize(729, 513));
    EXPECT_TRUE(w.isVisible());

    auto* tabs = h.find<QTabWidget>("高级选择夹1");
    ASSERT_EQ(tabs->count(), 11);
    const char* tabTexts[] = {"模式选择", "高分模式", "诗词起名", "组合起名", "起小名", "起英文名",
                              "生辰八字", "姓名评分", "起名记录", "超吉模式", "经典模式"};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(tabs->tabText(i), u(tabTexts[i]));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(tabs->tabBar()->isVisible());

    EXPECT_EQ(h.find<QLineEdit>("编辑框_姓氏")->text(), QString());
    EXPECT_EQ(h.find<QComboBox>("组合框_性别")->currentText(), u("男"));
    EXPECT_EQ(h.find<QComboBox>("组合框_名字个数")->currentText(), u("一字"));
    for (const char* box : {"编辑框_组合的字", "编辑框_英文名字", "编辑框_评分名字"})
        EXPECT_EQ(h.find<QLineEdit>(box)->text(), QString()) << box;
    EXPECT_EQ(h.find<QTableView>("超级列表框_记录列表")->model()->rowCount(), 0);

    expectDateList(h.find<QComboBox>("组合框_年份"), 1970, 61, u("2013"));
    EXPECT_EQ(h.find<QComboBox>("组合框_年份")->currentIndex(), 43);
    expectDateList(h.find<QComboBox>("组合框_月份"), 1, 12, u("1"));
    expectDateList(h.find<QComboBox>("组合框_日子"), 1, 31, u("1"));
    expectDateList(h.find<QComboBox>("组合框_时间"), 0, 24, u("0"));
    expectDateList(h.find<QComboBox>("组合框_分钟"), 0, 60, u("0"));

    EXPECT_TRUE(h.find<QRadioButton>("单选框_经典起名")->isChecked());
    EXPECT_EQ(w.statusModeImage(), 0);
    EXPECT_EQ(statusHint(h), u("高速生成,以好听为主,不考虑名字的五行数理等因素"));
    auto* marker = h.find<QLabel>("标签_设置辈份");
    EXPECT_EQ(marker->text(), u("▽"));
    EXPECT_TRUE(marker->styleSheet().contains(u("rgb(96, 96, 96)")));
    EXPECT_FALSE(w.generationChar().enabled);
    EXPECT_EQ(w.currentSkin(), SkinCounter::kDefaultSkin);

    // The reading of the default date is there from the start.
    const QString reading = h.find<QPlainTextEdit>("编辑框_八字信息")->toPlainText();
    EXPECT_TRUE(reading.startsWith(u("公历日期：2013年1月1日0时"))) << reading.toStdString();
    EXPECT_TRUE(reading.contains(u("五行不缺")));
    EXPECT_EQ(h.find<QLabel>("缺五行标签")->text(), QString());
    EXPECT_FALSE(h.find<QLabel>("八字五行标签")->isVisible());

    // The element filters start with 所有字必须带五行 and its elements ticked, every element box
    // disabled and every master enabled.
    for (int m = 0; m < 4; ++m) {
        EXPECT_TRUE(w.elementMasters[m]->isEnabled());
        EXPECT_EQ(w.elementMasters[m]->isChecked(), m == 2);
        for (QCheckBox* box : w.elementBoxes[m]) {
            EXPECT_FALSE(box->isEnabled());
            EXPECT_EQ(box->isChecked(), m == 2);
        }
    }
    EXPECT_EQ(h.find<QCheckBox>("选择框_金2"), w.elementBoxes[2][0]);
    EXPECT_EQ(h.find<QCheckBox>("选择框_土3"), w.elementBoxes[3][4]);
}

TEST(MainWindow, EveryPageHoldsItsNamedControls) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    const char* names[] = {
        "编辑框_姓氏", "组合框_性别", "组合框_名字个数", "标签_设置辈份", "按钮_起名", "透明标签11",
        "超级列表框_高分起名", "按钮_高分暂停", "按钮_再生成一次", "按钮_高分导出",
        "高级选择夹2", "超级列表框_诗人列表", "超级列表框_诗词残", "网页浏览框1", "透明标签15", "透明标签28",
        "透明标签30", "按钮2", "分组框_诗词字符", "选择框1", "按钮3", "按钮6", "按钮4", "按钮_诗词起名",
        "分组框5", "超级列表框_诗名列表",
        "编辑框_组合的字", "按钮_组合起名", "超级列表框_组合列表",
        "单选框_AA型", "单选框_小A型", "单选框_A儿型", "单选框_阿A型", "按钮_起小名", "超级列表框_小名列表",
        "分组框9", "透明标签18", "编辑框_英文姓氏", "透明标签19", "编辑框_英文名字", "透明标签17",
        "单选框_男性化", "单选框_女性化", "单选框_中性化", "透明标签16", "组合框_日子1", "透明标签20",
        "组合框_时间1", "按钮_英文起名", "分组框13", "超级列表框_英文列表",
        "分组框15", "单选框1", "透明标签_起名日期", "单选框_自定义日期", "透明标签34", "组合框_八字年份",
        "组合框_八字月份", "组合框_八字日子", "组合框_八字时间", "透明标签33", "透明标签32", "透明标签31",
        "透明标签13", "按钮_八字查询", "分组框14", "编辑框_八字信息", "八字五行标签", "缺五行标签",
        "编辑框_评分姓氏", "编辑框_评分名字", "组合框_评分年份", "组合框_评分月份", "组合框_评分日子",
        "组合框_评分时间", "组合框_评分分钟", "按钮_评分", "超级列表框_评分列表",
        "超级列表框_记录列表", "记录列表菜单",
        "选择框_第二个字五行限定", "选择框_第三个字五行限定", "选择框_所有字必带五行", "选择框_所有字不能带五行",
        "超级列表框_超吉起名", "按钮_超吉生成", "按钮_超吉暂停", "按钮_超吉导出",
        "编辑框_经典名字", "按钮_经典生成", "按钮_经典导出", "工具条1", "状态条1"};
    for (const char* name : names) EXPECT_NE(h.find<QObject>(name), nullptr) << name;
    EXPECT_TRUE(h.find<QRadioButton>("单选框_AA型")->isChecked());
    EXPECT_TRUE(h.find<QRadioButton>("单选框_男性化")->isChecked());
    EXPECT_TRUE(h.find<QRadioButton>("单选框1")->isChecked());
    EXPECT_EQ(h.find<QComboBox>("组合框_日子1")->count(), 4);

    // The scored lists share one model class with the eight columns; the English list has four.
    for (const char* list : {"超级列表框_高分起名", "超级列表框_诗名列表", "超级列表框_组合列表",
                             "超级列表框_小名列表", "超级列表框_评分列表", "超级列表框_记录列表",
                             "超级列表框_超吉起名"}) {
        auto* view = h.find<QTableView>(list);
        ASSERT_NE(QingHeMain::nameListModel(view), nullptr) << list;
        EXPECT_EQ(view->model()->columnCount(), 8);
        EXPECT_EQ(view->model()->headerData(7, Qt::Horizontal).toString(), u("评分"));
        EXPECT_EQ(view->columnWidth(5), 120);
    }
    auto* english = h.find<QTableView>("超级列表框_英文列表")->model();
    ASSERT_EQ(english->columnCount(), 4);
    EXPECT_EQ(english->headerData(3, Qt::Horizontal).toString(), u("相关含义"));
}

TEST(MainWindow, ToolbarAndMenusHoldEveryCommand) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    auto* toolbar = h.find<QToolBar>("工具条1");
    const QList<QAction*> items = toolbar->actions();
    ASSERT_EQ(items.size(), 9);
    const char* captions[] = {"模式选择", "生辰八字", "姓名评分", "起名记录", "新华字典"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(items[i]->isSeparator(), i % 2 == 1) << i;
        if (i % 2 == 0) {
            EXPECT_EQ(items[i]->text(), u(captions[i / 2]));
        }
    }
    const char* menuItems[] = {
        "模式选择", "生辰八字", "姓名评分", "起名记录", "新华字典", "退出程序",
        "备孕百科", "孕期百科", "分娩百科", "0-1岁百科", "1-3岁百科", "3-6岁百科", "孕育指南",
        "教育早知道", "胎教", "早教资源", "才艺培养", "游戏玩具", "智力开发", "行为心理", "学前教育",
        "母乳喂养", "人工喂养", "补钙攻略", "辅食添加", "营养元素", "食疗保健", "食谱大全", "饮食宜忌", "均衡营养",
        "护理保健", "生长发育", "体格检查", "预防免疫", "成人疾病", "儿科疾病", "药物手册",
        "出行安全", "用品安全", "家居安全", "宠物安全", "医药安全", "食品安全", "幼儿园安全",
        "起名知识", "算命知识", "星座算命", "相术算命", "血型算命", "风水知识", "开运技巧",
        "更换皮肤", "使用帮助", "关于软件"};
    QMenuBar* bar = h.window().menuBar();
    for (const char* item : menuItems) EXPECT_NE(bar->findChild<QAction*>(u(item)), nullptr) << item;
    // 45 article items, under the two article menus.
    int articles = 0;
    for (const char* menu : {"育儿知识", "算命风水"})
        for (QAction* a : bar->findChild<QMenu*>(u(menu))->findChildren<QAction*>())
            if (!a->isSeparator() && !a->menu() && !a->objectName().isEmpty()) ++articles;
    EXPECT_EQ(articles, 45);
    QStringList titles;
    for (QAction* a : bar->actions()) titles << a->text();
    EXPECT_EQ(titles, QStringList({u("操作菜单(&C)"), u("育儿知识(&Y)"), u("算命风水(&S)"), u("帮助(&H)")}));
}

TEST(MainWindow, ToolbarCommandsSwitchPages) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    QingHeMain& w = h.window();
    h.find<QLineEdit>("编辑框_姓氏")->setText(u("欧阳"));
    h.find<QComboBox>("组合框_年份")->setCurrentText(u("2020"));
    h.find<QComboBox>("组合框_时间")->setCurrentText(u("23"));
    const std::pair<int, int> commands[] = {{2, PageBazi}, {4, PageScoring}, {6, PageSavedNames}, {0, PageModeSelection}};
    for (const auto& [position, page] : commands) {
        w.runToolbarCommand(position);
        EXPECT_EQ(w.currentPage(), page) << position;
    }
    EXPECT_EQ(h.find<QLabel>("透明标签_起名日期")->text(), u("2020年1月1日23时"));
    expectDateList(h.find<QComboBox>("组合框_八字年份"), 1970, 61, u("2013"));
    expectDateList(h.find<QComboBox>("组合框_八字时间"), 0, 24, u("0"));
    EXPECT_EQ(h.find<QLineEdit>("编辑框_评分姓氏")->text(), u("欧阳"));
    for (int odd : {1, 3, 5, 7, 9, -1}) {
        w.runToolbarCommand(odd);
        EXPECT_EQ(w.currentPage(), PageModeSelection) << odd;
    }
    // The toolbar buttons and the menu items run the same commands.
    h.find<QToolBar>("工具条1")->actions()[6]->trigger();
    EXPECT_EQ(w.currentPage(), PageSavedNames);
    w.menuBar()->findChild<QAction*>(u("姓名评分"))->trigger();
    EXPECT_EQ(w.currentPage(), PageScoring);
    w.menuBar()->findChild<QAction*>(u("模式选择"))->trigger();
    EXPECT_EQ(w.currentPage(), PageModeSelection);
}

TEST(MainWindow, ModeButtonsChangeOnlyTheStatusBar) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    struct Mode {
        const char* button;
        int image;
        const char* hint;
    };
    const Mode modes[] = {
        {"单选框_高分起名", 1, "1-20秒内生成10000个90分以上的高分姓名"},
        {"单选框_超吉起名", 6, "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名"},
        {"单选框_诗词起名", 2, "使用近3000位诗人的数十万诗词进行组合起名"},
        {"单选框_组合起名", 3, "使用您自定义的字进行组合起名"},
        {"单选框_起小名", 4, "小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑"},
        {"单选框_起英文名", 5, "有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨"},
        {"单选框_经典起名", 0, "高速生成,以好听为主,不考虑名字的五行数理等因素"},
    };
    for (const Mode& m : modes) {
        auto* button = h.find<QRadioButton>(m.button);
        button->click();
        EXPECT_TRUE(button->isChecked()) << m.button;
        EXPECT_EQ(h.window().statusModeImage(), m.image) << m.button;
        EXPECT_EQ(statusHint(h), u(m.hint));
        EXPECT_EQ(h.window().currentPage(), PageModeSelection);
    }
}

TEST(MainWindow, SettingsRestoreTheSexAndNameLengthByTheirRules) {
    struct Case {
        const char* sex;
        const char* length;
        const char* expectedSex;
        const char* expectedLength;
    };
    const Case cases[] = {
        {"5", "2", "女", "一字"}, {"0", "1", "男", "二字"}, {"1", "0", "女", "一字"},
        {"", "", "男", "一字"},   {"abc", "1x", "男", "二字"}};
    for (const Case& c : cases) {
        MainWindowHarness h;
        h.writeSettings(settingsText(std::string("姓氏=欧阳\r\n性别=") + c.sex + "\r\n名字个数=" + c.length +
                                     "\r\n组合的字=明亮\r\n英文名字=小明\r\n评分名字=思远\r\n"));
        ASSERT_TRUE(h.start());
        EXPECT_EQ(h.find<QComboBox>("组合框_性别")->currentText(), u(c.expectedSex)) << c.sex;
        EXPECT_EQ(h.find<QComboBox>("组合框_名字个数")->currentText(), u(c.expectedLength)) << c.length;
        EXPECT_EQ(h.find<QLineEdit>("编辑框_姓氏")->text(), u("欧阳"));
        EXPECT_EQ(h.find<QLineEdit>("编辑框_组合的字")->text(), u("明亮"));
        EXPECT_EQ(h.find<QLineEdit>("编辑框_英文名字")->text(), u("小明"));
        EXPECT_EQ(h.find<QLineEdit>("编辑框_评分名字")->text(), u("思远"));
        // Restored after the start-up reading: the surname of the last run is not the last
        // generation surname.
        EXPECT_EQ(h.window().lastSurname(), "");
    }
}

TEST(MainWindow, ClosingWritesTheSettingsInOrder) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    h.find<QLineEdit>("编辑框_姓氏")->setText(u("李"));
    h.find<QComboBox>("组合框_性别")->setCurrentText(u("女"));
    h.find<QComboBox>("组合框_名字个数")->setCurrentText(u("二字"));
    h.find<QLineEdit>("编辑框_组合的字")->setText(u("明亮"));
    h.find<QLineEdit>("编辑框_英文名字")->setText(u("安"));
    h.find<QLineEdit>("编辑框_评分名字")->setText(u("小红"));
    h.close();
    EXPECT_EQ(h.readSettings(), settingsText("姓氏=李\r\n性别=1\r\n名字个数=1\r\n组合的字=明亮\r\n"
                                             "英文名字=安\r\n评分名字=小红\r\n名字记录=\r\n"));
}

TEST(MainWindow, ExitMenuItemRunsTheShutDown) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    h.find<QLineEdit>("编辑框_姓氏")->setText(u("王"));
    h.window().menuBar()->findChild<QAction*>(u("退出程序"))->trigger();
    EXPECT_FALSE(h.window().isVisible());
    EXPECT_FALSE(h.window().database().isOpen());
    EXPECT_NE(h.readSettings().find(gbk("姓氏=王")), std::string::npos);
}

TEST(MainWindow, ElementInterlock) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    QingHeMain& w = h.window();
    w.showPage(PageSuperAuspicious);
    auto click = [&](int master) { w.elementMasters[master]->click(); };
    auto enabledElements = [&](int master) {
        int n = 0;
        for (QCheckBox* box : w.elementBoxes[master]) n += box->isEnabled();
        return n;
    };

    // Second character on a fresh window: the all-characters pair is unchecked and locked, the
    // second character's elements open, and 金2 … 土2 keep their ticks, disabled.
    click(0);
    EXPECT_TRUE(w.elementMasters[0]->isChecked());
    for (int m : {2, 3}) {
        EXPECT_FALSE(w.elementMasters[m]->isChecked());
        EXPECT_FALSE(w.elementMasters[m]->isEnabled());
    }
    EXPECT_EQ(enabledElements(0), 5);
    for (QCheckBox* box : w.elementBoxes[2]) {
        EXPECT_TRUE(box->isChecked());
        EXPECT_FALSE(box->isEnabled());
    }
    EXPECT_TRUE(w.elementMasters[1]->isEnabled());

    // Both of the pair checked: unchecking one keeps the other pair locked, the second one too
    // opens it again (unchecked).
    click(1);
    EXPECT_TRUE(w.elementMasters[1]->isChecked());
    EXPECT_EQ(enabledElements(1), 5);
    w.elementBoxes[0][0]->click();  // tick 金0
    click(0);
    EXPECT_FALSE(w.elementMasters[0]->isChecked());
    EXPECT_FALSE(w.elementMasters[2]->isEnabled());
    EXPECT_FALSE(w.elementMasters[3]->isEnabled());
    EXPECT_EQ(enabledElements(0), 0);
    EXPECT_TRUE(w.elementBoxes[0][0]->isChecked());  // the tick stays
    click(1);
    for (int m : {2, 3}) {
        EXPECT_TRUE(w.elementMasters[m]->isEnabled());
        EXPECT_FALSE(w.elementMasters[m]->isChecked());
    }
    EXPECT_EQ(enabledElements(1), 0);

    // The other pair works the same way; the call the super-auspicious start makes for
    // 所有字必带五行 follows its checked state.
    click(3);
    EXPECT_FALSE(w.elementMasters[0]->isEnabled());
    EXPECT_FALSE(w.elementMasters[1]->isEnabled());
    EXPECT_EQ(enabledElements(3), 5);
    w.applyElementInterlock(w.elementMasters[2]);  // unchecked, partner checked: nothing opens
    EXPECT_FALSE(w.elementMasters[0]->isEnabled());
    EXPECT_EQ(enabledElements(2), 0);
}

TEST(MainWindow, ScoringPageOpenedTwiceStartsAtTheSameDate) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    for (int time = 0; time < 2; ++time) {
        h.window().runToolbarCommand(4);
        expectDateList(h.find<QComboBox>("组合框_评分年份"), 1970, 61, u("2013"));
        expectDateList(h.find<QComboBox>("组合框_评分月份"), 1, 12, u("1"));
        expectDateList(h.find<QComboBox>("组合框_评分日子"), 1, 31, u("1"));
        expectDateList(h.find<QComboBox>("组合框_评分时间"), 0, 24, u("0"));
        expectDateList(h.find<QComboBox>("组合框_评分分钟"), 0, 60, u("0"));
        h.find<QComboBox>("组合框_评分年份")->setCurrentIndex(5);
        h.find<QComboBox>("组合框_评分分钟")->setCurrentIndex(30);
    }
}

TEST(MainWindow, SkinCounter) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    QingHeMain& w = h.window();
    EXPECT_EQ(w.currentSkin(), 58);
    const QString defaultSheet = qApp->styleSheet();
    QAction* change = w.menuBar()->findChild<QAction*>(u("更换皮肤"));
    change->trigger();
    EXPECT_EQ(w.currentSkin(), 1);
    EXPECT_NE(qApp->styleSheet(), defaultSheet);
    change->trigger();
    EXPECT_EQ(w.currentSkin(), 2);
    for (int skin = 3; skin <= 79; ++skin) change->trigger();
    EXPECT_EQ(w.currentSkin(), 79);
    const QString last = qApp->styleSheet();
    change->trigger();  // the 80th
    change->trigger();
    EXPECT_EQ(w.currentSkin(), 79);
    EXPECT_EQ(qApp->styleSheet(), last);
}

TEST(MainWindow, SavedNamesRoundTripThroughTheSettings) {
    // 亅 ends in the byte of "|"; the record must come back whole.
    const std::string stored =
        "李 明轩;13;16;木火;8,15,11,18,4;金土木;95|欧阳 亅;20;24;土金;33,16,2,18,3;火土木;80|";
    std::string written;
    {
        MainWindowHarness h;
        h.writeSettings(settingsText("名字记录=" + stored + "\r\n"));
        ASSERT_TRUE(h.start());
        NameListModel* model = QingHeMain::nameListModel(h.find<QTableView>("超级列表框_记录列表"));
        ASSERT_EQ(model->rowCount(), 2);
        EXPECT_EQ(model->data(model->index(0, 0)).toString(), u("1"));
        EXPECT_EQ(model->data(model->index(1, 0)).toString(), u("2"));
        EXPECT_EQ(model->data(model->index(1, 1)).toString(), u("欧阳亅"));
        EXPECT_EQ(toQString(model->row(1).columns[ColName]), u("欧阳\r\n亅"));
        EXPECT_EQ(model->data(model->index(1, 7)).toString(), u("80"));
        EXPECT_EQ(gbkToUtf8(h.window().savedNamesToText()), stored);
        h.close();
        written = gbkToUtf8(h.readSettings());
    }
    EXPECT_NE(written.find("名字记录=" + stored + "\r\n"), std::string::npos);
}

TEST(MainWindow, SavedNamesAddDeleteAndMenu) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    QingHeMain& w = h.window();
    auto* view = h.find<QTableView>("超级列表框_记录列表");
    NameListModel* model = QingHeMain::nameListModel(view);
    const NameListRow row{{"1", gbk("李明"), "12", "16", gbk("木火"), "8,15,9,16,2", gbk("金土水"), "88"}};
    for (const char* given : {"一", "二", "三", "四", "五"}) w.addSavedName(row, gbk("李"), gbk(given));
    w.addSavedName(row, gbk("李"), gbk("三"));  // already there
    ASSERT_EQ(model->rowCount(), 5);
    EXPECT_EQ(model->row(4).columns[ColScore], "88");

    // Nothing selected: 删除记录 does nothing.
    QAction* remove = h.find<QAction>("删除记录");
    remove->trigger();
    EXPECT_EQ(model->rowCount(), 5);
    view->selectRow(1);
    remove->trigger();
    ASSERT_EQ(model->rowCount(), 4);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(model->data(model->index(r, 0)).toString(), QString::number(r + 1));
    EXPECT_EQ(model->data(model->index(1, 1)).toString(), u("李三"));

    // A right click anywhere in the list brings up the pop-up menu.
    w.showPage(PageSavedNames);
    auto* menu = h.find<QMenu>("记录列表菜单");
    const QPoint at(5, view->viewport()->height() - 5);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &rightClick);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->actions().size(), 1);
    menu->hide();
}

TEST(MainWindow, BaziReadingUsesTheChosenDateAndRefusesImpossibleOnes) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    QingHeMain& w = h.window();
    auto* reading = h.find<QPlainTextEdit>("编辑框_八字信息");
    w.runToolbarCommand(2);

    // The page's own date.
    h.find<QRadioButton>("单选框_自定义日期")->setChecked(true);
    h.find<QComboBox>("组合框_八字日子")->setCurrentText(u("22"));
    h.find<QPushButton>("按钮_八字查询")->click();
    EXPECT_TRUE(reading->toPlainText().startsWith(u("公历日期：2013年1月22日0时")));
    EXPECT_EQ(h.find<QLabel>("缺五行标签")->text(), u("金木火"));
    const QString good = reading->toPlainText();

    // A day the month does not have: the calendar's message in a box titled 提示, and the
    // reading stays.
    h.find<QComboBox>("组合框_八字年份")->setCurrentText(u("2014"));
    h.find<QComboBox>("组合框_八字月份")->setCurrentText(u("2"));
    h.find<QComboBox>("组合框_八字日子")->setCurrentText(u("30"));
    QString title, text;
    EXPECT_TRUE(testing::withModalBox([&] { w.queryBaziReading(); },
                                      [&](QMessageBox& box) {
                                          title = box.windowTitle();
                                          text = box.text();
                                      }));
    EXPECT_EQ(title, u("提示"));
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(reading->toPlainText(), good);

    // Back to the naming date: the main lists are read, not the label.
    h.find<QRadioButton>("单选框1")->setChecked(true);
    h.find<QComboBox>("组合框_年份")->setCurrentText(u("2014"));
    h.find<QComboBox>("组合框_日子")->setCurrentText(u("31"));
    w.queryBaziReading();
    EXPECT_TRUE(reading->toPlainText().startsWith(u("公历日期：2014年1月31日0时")));
    EXPECT_TRUE(reading->toPlainText().contains(u("生肖属相：蛇")));
    EXPECT_EQ(h.find<QLabel>("透明标签_起名日期")->text(), u("2013年1月1日0时"));
}

TEST(MainWindow, LoaderFillsTheDatabaseWhileTheWindowIsUp) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    EXPECT_TRUE(h.window().isVisible());
    for (int i = 0; i < 200 && !h.database().isOpen(); ++i) testing::processEventsFor(10);
    testing::processEventsFor(200);
    auto s = h.database().query(gbk("select count(*) from QH_八一灵动数"));
    EXPECT_EQ(h.database().columnInt(s, 0), 81);
    h.database().finalize(s);
    EXPECT_EQ(h.window().findChild<QMessageBox*>(u("loaderMessage")), nullptr);
}

TEST(MainWindow, LoaderFailureShowsAnErrorBoxAndTheWindowStays) {
    MainWindowHarness h(/*withDatabase=*/false);
    ASSERT_TRUE(h.start());
    QMessageBox* box = nullptr;
    for (int i = 0; i < 300 && !box; ++i) {
        testing::processEventsFor(10);
        box = h.window().findChild<QMessageBox*>(u("loaderMessage"));
    }
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->text(), u("将磁盘数据库附加到内存数据库失败！"));
    EXPECT_TRUE(h.window().isVisible());
    EXPECT_FALSE(h.database().isOpen());
    h.window().runToolbarCommand(6);  // still usable
    EXPECT_EQ(h.window().currentPage(), PageSavedNames);
    box->close();
}

TEST(MainWindow, AboutBox) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    h.window().menuBar()->findChild<QAction*>(u("关于软件"))->trigger();
    QWidget* about = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == u("AboutUs") && top->isVisible()) about = top;
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->parentWidget(), nullptr);  // not owned by the main window
    EXPECT_EQ(about->windowTitle(), u("关于软件"));
    EXPECT_EQ(about->size(), QSize(473, 246));
    EXPECT_EQ(about->findChild<QLabel*>(u("图片框1"))->size(), QSize(152, 152));
    EXPECT_TRUE(about->findChild<QLabel*>(u("透明标签1"))->text().contains(u("青禾专业取名软件")));
    EXPECT_EQ(about->findChild<QLabel*>(u("透明标签3"))->text(), u("版本：V2014.09"));
    const QString credits = about->findChild<QLabel*>(u("透明标签2"))->text();
    for (const char* source : {"Unihan", "Unicode", "OpenCC", "Apache-2.0", "chinese-poetry", "cnchar-data", "MIT"})
        EXPECT_TRUE(credits.contains(u(source))) << source;
    // A second choice brings the same box forward.
    h.window().showAbout();
    int open = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        open += top->objectName() == u("AboutUs") && top->isVisible();
    EXPECT_EQ(open, 1);
}

TEST(MainWindow, HelpFileIsTheManualBesideTheProgram) {
    MainWindowHarness h;
    ASSERT_TRUE(h.start());
    EXPECT_TRUE(h.window().helpFile().endsWith(u("/Help/用户手册.html")));
    EXPECT_TRUE(h.window().helpFile().startsWith(h.window().programFolder()));
}

}  // namespace
}  // namespace qinghe
