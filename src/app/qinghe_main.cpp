#include "app/qinghe_main.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include "app/about_us.hpp"
#include "app/app_icons.hpp"
#include "app/name_list_model.hpp"
#include "app/qt_text.hpp"
#include "app/saved_names.hpp"
#include "app/settings_file.hpp"
#include "app/single_instance_guard.hpp"
#include "app/skins.hpp"
#include "bazi/bazi_reading.hpp"
#include "generate/gui/generation_char_dialog.hpp"
#include "generate/gui/generation_controller.hpp"
#include "store/database_loader.hpp"
#include "store/gbk_text.hpp"
#include "store/name_database.hpp"

namespace qinghe {

namespace {

// Fills a date list with the numbers from..to and selects one of them by its position.
void fillNumberList(QComboBox* list, int from, int to, int selected) {
    QStringList items;
    items.reserve(to - from + 1);
    for (int n = from; n <= to; ++n) items << QString::number(n);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(selected);
}

// The date lists of the program: the years 1970 to 2030 with 2013 selected, months, days,
// hours and minutes from their first entry.
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2030;
constexpr int kDefaultYearIndex = 2013 - kFirstYear;  // 43

QString classicModeHint() {
    return QStringLiteral("高速生成,以好听为主,不考虑名字的五行数理等因素");
}

}  // namespace

QingHeMain::QingHeMain(NameDatabase& database, QString programFolder, QWidget* parent)
    : QMainWindow(parent), database_(database), programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("QingHeMain"));
    setWindowIcon(appIcon(AppIcon::Application));
    resize(729, 513);

    高级选择夹1 = new QTabWidget(this);
    高级选择夹1->setObjectName(QStringLiteral("高级选择夹1"));
    高级选择夹1->setDocumentMode(false);
    高级选择夹1->addTab(buildModeSelectionPage(), QStringLiteral("模式选择"));
    高级选择夹1->addTab(buildHighScorePage(), QStringLiteral("高分模式"));
    高级选择夹1->addTab(buildPoetryPage(), QStringLiteral("诗词起名"));
    高级选择夹1->addTab(buildCombinationPage(), QStringLiteral("组合起名"));
    高级选择夹1->addTab(buildNicknamePage(), QStringLiteral("起小名"));
    高级选择夹1->addTab(buildEnglishPage(), QStringLiteral("起英文名"));
    高级选择夹1->addTab(buildBaziPage(), QStringLiteral("生辰八字"));
    高级选择夹1->addTab(buildScoringPage(), QStringLiteral("姓名评分"));
    高级选择夹1->addTab(buildSavedNamesPage(), QStringLiteral("起名记录"));
    高级选择夹1->addTab(buildSuperAuspiciousPage(), QStringLiteral("超吉模式"));
    高级选择夹1->addTab(buildClassicPage(), QStringLiteral("经典模式"));
    // Pages change only through the toolbar, the first menu and the generation commands.
    高级选择夹1->tabBar()->hide();
    高级选择夹1->setCurrentIndex(PageModeSelection);
    setCentralWidget(高级选择夹1);

    buildToolbar();
    buildMenus();
    buildStatusBar();
    connectModeButtons();
    generation_ = new GenerationController(*this);
}

QingHeMain::~QingHeMain() {
    // The loader shares the database and posts its messages to this window: it must be done
    // before either goes (the shut-down sequence has normally waited for it already).
    if (loaderThread_.joinable()) loaderThread_.join();
    if (about_) delete about_.data();
}

bool QingHeMain::startUp(SingleInstanceGuard& guard) {
    // Another copy runs: end silently, without touching it or showing anything.
    if (!guard.acquire()) return false;

    applySkin(SkinCounter::kDefaultSkin);
    show();
    skinCounter_.reset();

    setWindowTitle(QStringLiteral("青禾取名软件"));
    fillMainDateLists();
    queryBaziReading();
    lastSurname_ = toGbk(编辑框_姓氏->text());
    setStatusMode(0, classicModeHint());
    restoreSettings();
    generationChar_ = GenerationCharSetting{};
    updateGenerationCharMarker();
    // Last: the window is usable while the loader copies the database into memory.
    startDatabaseLoader();
    return true;
}

void QingHeMain::fillMainDateLists() {
    fillNumberList(组合框_年份, kFirstYear, kLastYear, kDefaultYearIndex);
    fillNumberList(组合框_月份, 1, 12, 0);
    fillNumberList(组合框_日子, 1, 31, 0);
    fillNumberList(组合框_时间, 0, 23, 0);
    fillNumberList(组合框_分钟, 0, 59, 0);
}

// ---- pages and commands ----

void QingHeMain::showPage(int page) {
    if (page >= 0 && page < MainPageCount) 高级选择夹1->setCurrentIndex(page);
}

int QingHeMain::currentPage() const { return 高级选择夹1->currentIndex(); }

void QingHeMain::runToolbarCommand(int position) {
    switch (position) {
    case 0:
        showPage(PageModeSelection);
        break;
    case 2:
        prepareBaziPage();
        showPage(PageBazi);
        break;
    case 4:
        prepareScoringPage();
        showPage(PageScoring);
        break;
    case 6:
        showPage(PageSavedNames);
        break;
    case 8:
        openCharacterQuery();
        break;
    default:
        break;  // the separators
    }
}

void QingHeMain::setStatusMode(int image, const QString& hint) {
    statusImage_ = image;
    const int side = statusTextLabel_->fontMetrics().height();
    statusImageLabel_->setPixmap(
        modeImage(image).pixmap(QSize(side, side), devicePixelRatioF()));
    statusTextLabel_->setText(hint);
}

void QingHeMain::prepareScoringPage() {
    编辑框_评分姓氏->setText(编辑框_姓氏->text());
    fillNumberList(组合框_评分年份, kFirstYear, kLastYear, kDefaultYearIndex);
    fillNumberList(组合框_评分月份, 1, 12, 0);
    fillNumberList(组合框_评分日子, 1, 31, 0);
    fillNumberList(组合框_评分时间, 0, 23, 0);
    fillNumberList(组合框_评分分钟, 0, 59, 0);
}

void QingHeMain::applyElementInterlock(QCheckBox* master) {
    int m = -1;
    for (int i = 0; i < 4; ++i)
        if (elementMasters[static_cast<size_t>(i)] == master) m = i;
    if (m < 0) return;
    // Masters 0 and 1 (second, third character) form one pair, 2 and 3 (all characters) the
    // other. Setting a box from here does not run its own click handler.
    QCheckBox* partner = elementMasters[static_cast<size_t>(m ^ 1)];
    const int otherPair = m < 2 ? 2 : 0;
    QCheckBox* others[2] = {elementMasters[static_cast<size_t>(otherPair)],
                            elementMasters[static_cast<size_t>(otherPair + 1)]};
    auto& elements = elementBoxes[static_cast<size_t>(m)];
    if (master->isChecked()) {
        for (QCheckBox* other : others) {
            other->setEnabled(false);
            other->setChecked(false);
        }
        for (QCheckBox* box : elements) box->setEnabled(true);
    } else {
        if (!partner->isChecked())
            for (QCheckBox* other : others) other->setEnabled(true);
        for (QCheckBox* box : elements) box->setEnabled(false);  // their ticks stay
    }
}

// ---- the eight characters ----

void QingHeMain::prepareBaziPage() {
    透明标签_起名日期->setText(组合框_年份->currentText() + QStringLiteral("年") +
                               组合框_月份->currentText() + QStringLiteral("月") +
                               组合框_日子->currentText() + QStringLiteral("日") +
                               组合框_时间->currentText() + QStringLiteral("时"));
    fillNumberList(组合框_八字年份, kFirstYear, kLastYear, kDefaultYearIndex);
    fillNumberList(组合框_八字月份, 1, 12, 0);
    fillNumberList(组合框_八字日子, 1, 31, 0);
    fillNumberList(组合框_八字时间, 0, 23, 0);
}

void QingHeMain::queryBaziReading() {
    const bool custom = 单选框_自定义日期->isChecked();
    QComboBox* year = custom ? 组合框_八字年份 : 组合框_年份;
    QComboBox* month = custom ? 组合框_八字月份 : 组合框_月份;
    QComboBox* day = custom ? 组合框_八字日子 : 组合框_日子;
    QComboBox* hour = custom ? 组合框_八字时间 : 组合框_时间;
    const BaziReading reading =
        baziReading(toGbk(year->currentText()), toGbk(month->currentText()),
                    toGbk(day->currentText()), toGbk(hour->currentText()));
    if (!reading.ok()) {
        // A date that does not exist (the 30th of the second month, say): say so and keep the
        // reading that is shown.
        QMessageBox::information(this, QStringLiteral("提示"), toQString(reading.failure));
        return;
    }
    QString text = toQString(reading.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    编辑框_八字信息->setPlainText(text);
    八字五行标签->setText(toQString(reading.eightElements));
    缺五行标签->setText(toQString(reading.missingElements));
}

// ---- saved names ----

NameListModel* QingHeMain::nameListModel(QTableView* view) {
    return view ? qobject_cast<NameListModel*>(view->model()) : nullptr;
}

void QingHeMain::addSavedName(const NameListRow& source, const std::string& surname,
                              const std::string& given) {
    std::vector<NameListRow> records = savedNamesModel_->rows();
    if (qinghe::addSavedName(records, source, surname, given))
        savedNamesModel_->appendRow(std::move(records.back()));
}

void QingHeMain::deleteSavedName() {
    const QModelIndexList selected = 超级列表框_记录列表->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    std::vector<NameListRow> records = savedNamesModel_->rows();
    if (qinghe::deleteSavedName(records, static_cast<size_t>(selected.first().row())))
        savedNamesModel_->resetRows(std::move(records));
}

std::string QingHeMain::savedNamesToText() const {
    return qinghe::savedNamesToText(savedNamesModel_->rows());
}

void QingHeMain::restoreSavedNames(const std::string& stored) {
    savedNamesModel_->resetRows(qinghe::restoreSavedNames(stored));
}

// ---- settings ----

namespace {

struct SettingKeys {
    std::string surname = gbk("姓氏");
    std::string sex = gbk("性别");
    std::string nameLength = gbk("名字个数");
    std::string combination = gbk("组合的字");
    std::string englishName = gbk("英文名字");
    std::string scoringName = gbk("评分名字");
};

const SettingKeys& keys() {
    static const SettingKeys k;
    return k;
}

}  // namespace

void QingHeMain::restoreSettings() {
    SettingsFile settings(defaultSettingsPath());
    settings.load();  // a missing file reads as empty values
    const std::string& section = settingsSection();
    auto value = [&](const std::string& key) { return settings.value(section, key); };
    编辑框_姓氏->setText(toQString(value(keys().surname)));
    组合框_性别->setCurrentIndex(settingNumber(value(keys().sex)) != 0 ? 1 : 0);
    组合框_名字个数->setCurrentIndex(settingNumber(value(keys().nameLength)) == 1 ? 1 : 0);
    编辑框_组合的字->setText(toQString(value(keys().combination)));
    编辑框_英文名字->setText(toQString(value(keys().englishName)));
    编辑框_评分名字->setText(toQString(value(keys().scoringName)));
    restoreSavedNames(value(savedNamesKey()));
}

void QingHeMain::writeSettings() {
    SettingsFile settings(defaultSettingsPath());
    settings.load();  // keys of other programs' versions stay where they are
    const std::string& section = settingsSection();
    settings.setValue(section, keys().surname, toGbk(编辑框_姓氏->text()));
    settings.setValue(section, keys().sex, std::to_string(组合框_性别->currentIndex()));
    settings.setValue(section, keys().nameLength, std::to_string(组合框_名字个数->currentIndex()));
    settings.setValue(section, keys().combination, toGbk(编辑框_组合的字->text()));
    settings.setValue(section, keys().englishName, toGbk(编辑框_英文名字->text()));
    settings.setValue(section, keys().scoringName, toGbk(编辑框_评分名字->text()));
    settings.setValue(section, savedNamesKey(), savedNamesToText());
    settings.save();  // a folder without rights loses the settings silently
}

// ---- the database loader ----

QString QingHeMain::databaseFile() const {
    return programFolder_ + QStringLiteral("/data/namedata.db");
}

void QingHeMain::startDatabaseLoader() {
    const std::string file = toGbk(databaseFile());
    loaderThread_ = std::thread([this, file] {
        loadNameDatabase(database_, file, [this](const std::string& message) {
            const QString text = toQString(message);
            QMetaObject::invokeMethod(
                this, [this, text] { showLoaderMessage(text); }, Qt::QueuedConnection);
        });
    });
}

void QingHeMain::showLoaderMessage(const QString& message) {
    // Not modal: the window stays usable, without a database, behind the message.
    auto* box = new QMessageBox(QMessageBox::Critical, QString(), message, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("loaderMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

// ---- skins, help and about ----

void QingHeMain::changeSkin() {
    if (int skin = skinCounter_.advance()) applySkin(skin);
}

int QingHeMain::currentSkin() const { return qinghe::currentSkin(); }

QString QingHeMain::helpFile() const {
    return programFolder_ + QStringLiteral("/Help/用户手册.html");
}

void QingHeMain::openHelp() {
    // Whatever the desktop answers is ignored: a missing manual simply opens nothing.
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile()));
}

void QingHeMain::showAbout() {
    if (!about_) {
        // Its own window, not owned by the main window.
        about_ = new AboutUs;
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

// ---- the generation character marker ----

void QingHeMain::updateGenerationCharMarker() {
    标签_设置辈份->setStyleSheet(generationChar_.enabled ? QStringLiteral("color: rgb(255, 0, 0);")
                                                         : QStringLiteral("color: rgb(96, 96, 96);"));
}

bool QingHeMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == 标签_设置辈份 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openGenerationCharDialog();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- shut-down ----

void QingHeMain::closeEvent(QCloseEvent* event) {
    shutDown();
    event->accept();
}

void QingHeMain::shutDown() {
    if (shutDownDone_) return;
    shutDownDone_ = true;
    // The job stops first, so that no worker call reaches a closing database. A loader still
    // copying is let finish: closing under it would only make it open the database again.
    stopGenerationJob();
    if (loaderThread_.joinable()) loaderThread_.join();
    database_.close();
    writeSettings();
    if (about_) about_->close();
    QCoreApplication::quit();
}

void QingHeMain::stopGenerationJob() { generation_->terminate(); }

void QingHeMain::openGenerationCharDialog() {
    GenerationCharDialog dialog(generationChar_, this);
    dialog.exec();
    updateGenerationCharMarker();
}

// ---- hooks of the features that come later ----

void QingHeMain::openCharacterQuery() {
    // Opens the dictionary dialog QingHeWord, modal to this window, and returns when it closes.
}

void QingHeMain::openSavedNameReport(const std::string& surname, const std::string& given) {
    // Opens the name report of a saved name in the name detail window.
    (void)surname;
    (void)given;
}

void QingHeMain::openArticleCategory(const std::string& tableWord, const std::string& category) {
    // Opens the article reader QingHeRead on one category of articles.
    (void)tableWord;
    (void)category;
}

}  // namespace qinghe
