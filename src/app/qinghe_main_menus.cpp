// The toolbar 工具条1, the menu bar and the status bar 状态条1 of the main window, and the mode
// radio buttons that write the status bar.
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>

#include "app/app_icons.hpp"
#include "app/qinghe_main.hpp"
#include "app/qt_text.hpp"

namespace qinghe {

namespace {

struct ToolbarCommand {
    const char* caption;
    AppIcon image;
};

// The five buttons of 工具条1, at the positions 0, 2, 4, 6 and 8 (separators between them).
constexpr ToolbarCommand kToolbarCommands[5] = {
    {"模式选择", AppIcon::ToolModeSelection}, {"生辰八字", AppIcon::ToolBazi},
    {"姓名评分", AppIcon::ToolScoring},       {"起名记录", AppIcon::ToolRecords},
    {"新华字典", AppIcon::ToolDictionary}};

// The article categories of the two article menus. A name ending in ">" opens a submenu whose
// items follow up to the next entry "<"; "-" is a separator.
constexpr const char* kChildCareMenu[] = {
    "育儿百科>", "备孕百科", "孕期百科", "分娩百科", "0-1岁百科", "1-3岁百科", "3-6岁百科", "<",
    "-",
    "孕育指南",
    "-",
    "儿童教育>", "教育早知道", "胎教", "早教资源", "才艺培养", "游戏玩具", "智力开发", "行为心理",
    "学前教育", "<",
    "营养知识>", "母乳喂养", "人工喂养", "补钙攻略", "辅食添加", "营养元素", "食疗保健", "食谱大全",
    "饮食宜忌", "均衡营养", "<",
    "健康讲座>", "护理保健", "生长发育", "体格检查", "预防免疫", "成人疾病", "儿科疾病", "药物手册", "<",
    "安全知识>", "出行安全", "用品安全", "家居安全", "宠物安全", "医药安全", "食品安全", "幼儿园安全", "<"};
constexpr const char* kFortuneMenu[] = {
    "起名知识", "-", "算命知识", "星座算命", "相术算命", "血型算命", "-", "风水知识", "-", "开运技巧"};

}  // namespace

void QingHeMain::buildToolbar() {
    工具条1 = new QToolBar(this);
    工具条1->setObjectName(QStringLiteral("工具条1"));
    工具条1->setWindowTitle(QStringLiteral("工具条"));
    工具条1->setMovable(false);
    工具条1->setFloatable(false);
    工具条1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    工具条1->setIconSize(QSize(32, 32));
    工具条1->toggleViewAction()->setVisible(false);
    for (int i = 0; i < 5; ++i) {
        if (i > 0) 工具条1->addSeparator();
        const QString caption = QString::fromUtf8(kToolbarCommands[i].caption);
        QAction* action = 工具条1->addAction(appIcon(kToolbarCommands[i].image), caption);
        action->setObjectName(QStringLiteral("工具条1_") + caption);
        const int position = i * 2;
        connect(action, &QAction::triggered, this, [this, position] { runToolbarCommand(position); });
        toolbarButtons[static_cast<size_t>(i)] = action;
    }
    addToolBar(Qt::TopToolBarArea, 工具条1);
}

void QingHeMain::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("菜单条"));

    QMenu* commands = bar->addMenu(QStringLiteral("操作菜单(&C)"));
    commands->setObjectName(QStringLiteral("操作菜单"));
    for (int i = 0; i < 5; ++i) {
        const QString caption = QString::fromUtf8(kToolbarCommands[i].caption);
        QAction* item = commands->addAction(caption);
        item->setObjectName(caption);
        const int position = i * 2;
        connect(item, &QAction::triggered, this, [this, position] { runToolbarCommand(position); });
        commandMenuItems[static_cast<size_t>(i)] = item;
    }
    commands->addSeparator();
    退出程序 = commands->addAction(QStringLiteral("退出程序"));
    退出程序->setObjectName(QStringLiteral("退出程序"));
    connect(退出程序, &QAction::triggered, this, &QWidget::close);

    // Each article item opens its own category of its menu's table.
    auto addArticleMenu = [this, bar](const QString& title, const char* objectName,
                                      const std::string& tableWord, const char* const* entries,
                                      size_t count) {
        QMenu* top = bar->addMenu(title);
        top->setObjectName(QString::fromUtf8(objectName));
        QMenu* current = top;
        for (size_t i = 0; i < count; ++i) {
            const QString entry = QString::fromUtf8(entries[i]);
            if (entry == QLatin1String("-")) {
                current->addSeparator();
            } else if (entry == QLatin1String("<")) {
                current = top;
            } else if (entry.endsWith(QLatin1Char('>'))) {
                current = top->addMenu(entry.chopped(1));
                current->setObjectName(entry.chopped(1));
            } else {
                QAction* item = current->addAction(entry);
                item->setObjectName(entry);
                const std::string category = toGbk(entry);
                connect(item, &QAction::triggered, this,
                        [this, tableWord, category] { openArticleCategory(tableWord, category); });
            }
        }
    };
    addArticleMenu(QStringLiteral("育儿知识(&Y)"), "育儿知识", toGbk(QStringLiteral("育儿百科")),
                   kChildCareMenu, std::size(kChildCareMenu));
    addArticleMenu(QStringLiteral("算命风水(&S)"), "算命风水", toGbk(QStringLiteral("算命风水")),
                   kFortuneMenu, std::size(kFortuneMenu));

    QMenu* help = bar->addMenu(QStringLiteral("帮助(&H)"));
    help->setObjectName(QStringLiteral("帮助"));
    QAction* skin = help->addAction(QStringLiteral("更换皮肤"));
    skin->setObjectName(QStringLiteral("更换皮肤"));
    connect(skin, &QAction::triggered, this, &QingHeMain::changeSkin);
    QAction* manual = help->addAction(QStringLiteral("使用帮助"));
    manual->setObjectName(QStringLiteral("使用帮助"));
    connect(manual, &QAction::triggered, this, &QingHeMain::openHelp);
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("关于软件"));
    about->setObjectName(QStringLiteral("关于软件"));
    connect(about, &QAction::triggered, this, &QingHeMain::showAbout);
}

void QingHeMain::buildStatusBar() {
    状态条1 = new QStatusBar(this);
    状态条1->setObjectName(QStringLiteral("状态条1"));
    状态条1->setSizeGripEnabled(true);
    // The first part: the image and the hint of the chosen mode.
    auto* part = new QWidget(状态条1);
    part->setObjectName(QStringLiteral("状态条1_模式"));
    statusImageLabel_ = new QLabel(part);
    statusImageLabel_->setObjectName(QStringLiteral("状态条1_图片"));
    statusTextLabel_ = new QLabel(part);
    statusTextLabel_->setObjectName(QStringLiteral("状态条1_提示"));
    auto* layout = new QHBoxLayout(part);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(6);
    layout->addWidget(statusImageLabel_);
    layout->addWidget(statusTextLabel_, 1);
    状态条1->addWidget(part, 1);
    setStatusBar(状态条1);
}

void QingHeMain::connectModeButtons() {
    struct ModeHint {
        QRadioButton* button;
        int image;
        const char* hint;
    };
    const ModeHint hints[] = {
        {单选框_经典起名, 0, "高速生成,以好听为主,不考虑名字的五行数理等因素"},
        {单选框_高分起名, 1, "1-20秒内生成10000个90分以上的高分姓名"},
        {单选框_超吉起名, 6, "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名"},
        {单选框_诗词起名, 2, "使用近3000位诗人的数十万诗词进行组合起名"},
        {单选框_组合起名, 3, "使用您自定义的字进行组合起名"},
        {单选框_起小名, 4, "小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑"},
        {单选框_起英文名, 5, "有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨"},
    };
    // A click changes the status bar only; the checked mode is read when 开始起名 is pressed.
    for (const ModeHint& h : hints) {
        const QString hint = QString::fromUtf8(h.hint);
        const int image = h.image;
        connect(h.button, &QRadioButton::clicked, this, [this, image, hint] { setStatusMode(image, hint); });
    }
}

}  // namespace qinghe
