// QingHeMain: the main window. It holds the birth inputs, the eleven pages of 高级选择夹1 (the
// tab strip is hidden: the toolbar, the first menu and the generation commands switch pages),
// the toolbar 工具条1, the menus and the status bar 状态条1, and runs the start-up and shut-down
// sequences of the program.
//
// Controls carry the names the program has always given them, as objectName and as member, so
// that `编辑框_姓氏` is found by grep and by findChild alike.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <string>
#include <thread>

#include "app/skin_counter.hpp"
#include "generate/generation_char_setting.hpp"
#include "generate/name_list_row.hpp"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QTableView;
class QTextBrowser;
class QToolBar;
class QWidget;

namespace qinghe {

class AboutUs;
class GenerationController;
class NameDatabase;
class NameListModel;
class SingleInstanceGuard;
class TextListModel;

// The pages of 高级选择夹1, in their order.
enum MainPage : int {
    PageModeSelection = 0,  // 模式选择
    PageHighScore = 1,      // 高分模式
    PagePoetry = 2,         // 诗词起名
    PageCombination = 3,    // 组合起名
    PageNickname = 4,       // 起小名
    PageEnglish = 5,        // 起英文名
    PageBazi = 6,           // 生辰八字
    PageScoring = 7,        // 姓名评分
    PageSavedNames = 8,     // 起名记录
    PageSuperAuspicious = 9,  // 超吉模式
    PageClassic = 10,       // 经典模式
    MainPageCount = 11
};

class QingHeMain : public QMainWindow {
    Q_OBJECT

public:
    // database is the program's one NameDatabase; programFolder the folder that holds data/
    // (the name database) and Help/ (the manual).
    QingHeMain(NameDatabase& database, QString programFolder, QWidget* parent = nullptr);
    ~QingHeMain() override;

    // The start-up sequence after the window has been built: ends with false, showing nothing,
    // when another copy of the program runs; otherwise applies the default skin, shows the
    // window, fills the date lists, works out the eight-character reading, restores the
    // settings and the saved names and starts the database loader on its own thread.
    bool startUp(SingleInstanceGuard& guard);

    // The toolbar's command at a position of 工具条1 (0 模式选择, 2 生辰八字, 4 姓名评分,
    // 6 起名记录, 8 新华字典); other positions do nothing. The items of 操作菜单 run it too.
    void runToolbarCommand(int position);

    // The click handler of the four master boxes of the element filters (super-auspicious
    // page): a pair of masters in use locks the other pair, and a master's five element boxes
    // are enabled only while it is checked.
    void applyElementInterlock(QCheckBox* master);

    // Prepares the 生辰八字 page (the naming-date label and the page's own date lists).
    void prepareBaziPage();
    // Works out the reading for the date chosen on the page and shows it; a date that does not
    // exist shows the calendar's message and keeps the previous reading.
    void queryBaziReading();
    // Prepares the 姓名评分 page: the surname is copied and the date lists start at 2013-1-1 0:00.
    void prepareScoringPage();

    // Saved names (起名记录). addSavedName is called after the report of a result row has been
    // opened; a name already in the list is not added again.
    void addSavedName(const NameListRow& source, const std::string& surname,
                      const std::string& given);
    void deleteSavedName();
    std::string savedNamesToText() const;
    void restoreSavedNames(const std::string& stored);

    // 帮助 menu.
    void changeSkin();
    void openHelp();
    void showAbout();
    int currentSkin() const;

    // The generation character of this run (辈份字) and its marker 标签_设置辈份: red while a
    // character is set, grey otherwise.
    GenerationCharSetting& generationChar() { return generationChar_; }
    void updateGenerationCharMarker();

    // The surname of the last high-score or super-auspicious start; set at start-up.
    std::string& lastSurname() { return lastSurname_; }

    // The mode image (0 … 6) and the hint text shown in the first part of the status bar.
    void setStatusMode(int image, const QString& hint);
    int statusModeImage() const { return statusImage_; }

    void showPage(int page);
    int currentPage() const;

    NameDatabase& database() { return database_; }
    const QString& programFolder() const { return programFolder_; }
    QString helpFile() const;
    QString databaseFile() const;

    // The model behind any scored name list of the window.
    static NameListModel* nameListModel(QTableView* view);

    // ---- the window's controls, by their names ----

    QTabWidget* 高级选择夹1;
    QToolBar* 工具条1;
    QStatusBar* 状态条1;

    // Page 0 模式选择
    QGroupBox* 分组框_宝宝信息;
    QLineEdit* 编辑框_姓氏;
    QComboBox* 组合框_性别;
    QComboBox* 组合框_名字个数;
    QLabel* 标签_设置辈份;
    QComboBox* 组合框_年份;
    QComboBox* 组合框_月份;
    QComboBox* 组合框_日子;
    QComboBox* 组合框_时间;
    QComboBox* 组合框_分钟;
    QRadioButton* 单选框_经典起名;
    QRadioButton* 单选框_高分起名;
    QRadioButton* 单选框_超吉起名;
    QRadioButton* 单选框_诗词起名;
    QRadioButton* 单选框_组合起名;
    QRadioButton* 单选框_起小名;
    QRadioButton* 单选框_起英文名;
    QPushButton* 按钮_起名;
    QLabel* 透明标签11;

    // Page 1 高分模式
    QTableView* 超级列表框_高分起名;
    QPushButton* 按钮_高分暂停;
    QPushButton* 按钮_再生成一次;
    QPushButton* 按钮_高分导出;

    // Page 2 诗词起名
    QTabWidget* 高级选择夹2;
    QTableView* 超级列表框_诗人列表;
    QTableView* 超级列表框_诗词残;
    QTextBrowser* 网页浏览框1;
    QLabel* 透明标签15;
    QLabel* 透明标签28;
    QLabel* 透明标签30;
    QPushButton* 按钮2;
    QGroupBox* 分组框_诗词字符;
    QWidget* 诗词字符网格;  // inside 分组框_诗词字符: the poem's check boxes are placed here
    QCheckBox* 选择框1;      // the template of those boxes, never shown
    QPushButton* 按钮3;
    QPushButton* 按钮6;
    QPushButton* 按钮4;
    QPushButton* 按钮_诗词起名;
    QGroupBox* 分组框5;
    QTableView* 超级列表框_诗名列表;

    // Page 3 组合起名
    QLineEdit* 编辑框_组合的字;
    QPushButton* 按钮_组合起名;
    QTableView* 超级列表框_组合列表;

    // Page 4 起小名
    QRadioButton* 单选框_AA型;
    QRadioButton* 单选框_小A型;
    QRadioButton* 单选框_A儿型;
    QRadioButton* 单选框_阿A型;
    QPushButton* 按钮_起小名;
    QTableView* 超级列表框_小名列表;

    // Page 5 起英文名
    QGroupBox* 分组框9;
    QLabel* 透明标签18;
    QLineEdit* 编辑框_英文姓氏;
    QLabel* 透明标签19;
    QLineEdit* 编辑框_英文名字;
    QLabel* 透明标签17;
    QRadioButton* 单选框_男性化;
    QRadioButton* 单选框_女性化;
    QRadioButton* 单选框_中性化;
    QLabel* 透明标签16;
    QComboBox* 组合框_日子1;
    QLabel* 透明标签20;
    QComboBox* 组合框_时间1;
    QPushButton* 按钮_英文起名;
    QGroupBox* 分组框13;
    QTableView* 超级列表框_英文列表;

    // Page 6 生辰八字
    QGroupBox* 分组框15;
    QRadioButton* 单选框1;
    QLabel* 透明标签_起名日期;
    QRadioButton* 单选框_自定义日期;
    QLabel* 透明标签34;
    QComboBox* 组合框_八字年份;
    QComboBox* 组合框_八字月份;
    QComboBox* 组合框_八字日子;
    QComboBox* 组合框_八字时间;
    QLabel* 透明标签33;
    QLabel* 透明标签32;
    QLabel* 透明标签31;
    QLabel* 透明标签13;
    QPushButton* 按钮_八字查询;
    QGroupBox* 分组框14;
    QPlainTextEdit* 编辑框_八字信息;
    QLabel* 八字五行标签;  // working state of the reading, never shown
    QLabel* 缺五行标签;

    // Page 7 姓名评分
    QLineEdit* 编辑框_评分姓氏;
    QLineEdit* 编辑框_评分名字;
    QComboBox* 组合框_评分年份;
    QComboBox* 组合框_评分月份;
    QComboBox* 组合框_评分日子;
    QComboBox* 组合框_评分时间;
    QComboBox* 组合框_评分分钟;
    QPushButton* 按钮_评分;
    QTableView* 超级列表框_评分列表;

    // Page 8 起名记录
    QTableView* 超级列表框_记录列表;
    QMenu* 记录列表菜单;
    QAction* 删除记录;

    // Page 9 超吉模式
    QCheckBox* 选择框_第二个字五行限定;
    QCheckBox* 选择框_第三个字五行限定;
    QCheckBox* 选择框_所有字必带五行;
    QCheckBox* 选择框_所有字不能带五行;
    QCheckBox* 选择框_金0; QCheckBox* 选择框_木0; QCheckBox* 选择框_水0; QCheckBox* 选择框_火0; QCheckBox* 选择框_土0;
    QCheckBox* 选择框_金1; QCheckBox* 选择框_木1; QCheckBox* 选择框_水1; QCheckBox* 选择框_火1; QCheckBox* 选择框_土1;
    QCheckBox* 选择框_金2; QCheckBox* 选择框_木2; QCheckBox* 选择框_水2; QCheckBox* 选择框_火2; QCheckBox* 选择框_土2;
    QCheckBox* 选择框_金3; QCheckBox* 选择框_木3; QCheckBox* 选择框_水3; QCheckBox* 选择框_火3; QCheckBox* 选择框_土3;
    QTableView* 超级列表框_超吉起名;
    QPushButton* 按钮_超吉生成;
    QPushButton* 按钮_超吉暂停;
    QPushButton* 按钮_超吉导出;

    // Page 10 经典模式
    QPlainTextEdit* 编辑框_经典名字;
    QPushButton* 按钮_经典生成;
    QPushButton* 按钮_经典导出;

    // Toolbar buttons at positions 0, 2, 4, 6, 8 and the items of 操作菜单.
    std::array<QAction*, 5> toolbarButtons{};
    std::array<QAction*, 5> commandMenuItems{};
    QAction* 退出程序;

    // The four master boxes (second, third, all required, all forbidden) and their element
    // boxes 金 木 水 火 土.
    std::array<QCheckBox*, 4> elementMasters{};
    std::array<std::array<QCheckBox*, 5>, 4> elementBoxes{};

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildModeSelectionPage();
    QWidget* buildHighScorePage();
    QWidget* buildPoetryPage();
    QWidget* buildCombinationPage();
    QWidget* buildNicknamePage();
    QWidget* buildEnglishPage();
    QWidget* buildBaziPage();
    QWidget* buildScoringPage();
    QWidget* buildSavedNamesPage();
    QWidget* buildSuperAuspiciousPage();
    QWidget* buildClassicPage();
    QTableView* makeNameList(const QString& name);
    void buildToolbar();
    void buildMenus();
    void buildStatusBar();
    void connectModeButtons();

    void fillMainDateLists();
    void restoreSettings();
    void writeSettings();
    void startDatabaseLoader();
    void showLoaderMessage(const QString& message);
    void shutDown();

    void stopGenerationJob();           // stops a running or paused generation job at once
    void openGenerationCharDialog();    // the dialog 设置辈份

    // Hooks for the parts of the program that arrive with later features. Each is called where
    // the feature belongs and does nothing until the feature is there.
    void openCharacterQuery();          // the dictionary dialog QingHeWord
    void openSavedNameReport(const std::string& surname, const std::string& given);
    void openArticleCategory(const std::string& tableWord, const std::string& category);

    NameDatabase& database_;
    QString programFolder_;
    NameListModel* savedNamesModel_ = nullptr;
    QLabel* statusImageLabel_ = nullptr;
    QLabel* statusTextLabel_ = nullptr;
    int statusImage_ = 0;
    SkinCounter skinCounter_;
    GenerationCharSetting generationChar_;
    std::string lastSurname_;
    QPointer<AboutUs> about_;
    GenerationController* generation_ = nullptr;
    std::thread loaderThread_;
    bool shutDownDone_ = false;
};

}  // namespace qinghe
