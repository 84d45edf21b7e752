// The eleven pages of the main window's tab control 高级选择夹1.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/list_view.hpp"
#include "app/name_list_model.hpp"
#include "app/named_widget.hpp"
#include "app/qinghe_main.hpp"
#include "app/saved_names.hpp"
#include "app/text_list_model.hpp"

namespace qinghe {

namespace {

QLabel* label(const QString& text, QWidget* parent, const char* name = nullptr) {
    auto* l = new QLabel(text, parent);
    if (name) l->setObjectName(QString::fromUtf8(name));
    return l;
}

// A date list as wide as its longest entry (four digits for years, two otherwise) in whatever
// font the desktop uses.
QComboBox* dateList(QWidget* parent, const char* name, int digits = 2) {
    auto* list = named(new QComboBox(parent), name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(digits);
    list->setMaxVisibleItems(16);
    return list;
}

QPushButton* button(const QString& caption, QWidget* parent, const char* name) {
    return named(new QPushButton(caption, parent), name);
}

QGroupBox* group(const QString& title, QWidget* parent, const char* name = nullptr) {
    auto* g = new QGroupBox(title, parent);
    if (name) g->setObjectName(QString::fromUtf8(name));
    // The skins leave no room for a caption above a group that has none.
    if (title.isEmpty()) g->setProperty("untitled", true);
    return g;
}

// A group holding just one list, as every result list of the window is shown.
QGroupBox* listGroup(const QString& title, QTableView* list, QWidget* parent,
                     const char* name = nullptr) {
    QGroupBox* g = group(title, parent, name);
    auto* layout = new QVBoxLayout(g);
    layout->setContentsMargins(6, 6, 6, 6);
    list->setParent(g);
    layout->addWidget(list);
    return g;
}

const QString kListHint = QStringLiteral("姓名列表(双击姓名可查看详细解释)");

}  // namespace

QTableView* QingHeMain::makeNameList(const QString& name) {
    auto* view = new QTableView(this);
    view->setObjectName(name);
    view->setModel(new NameListModel(view));
    NameListModel::configureView(view);
    return view;
}

// ---- page 0: 模式选择 ----

QWidget* QingHeMain::buildModeSelectionPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("模式选择"));

    分组框_宝宝信息 = group(QStringLiteral("宝宝信息："), page, "分组框_宝宝信息");
    编辑框_姓氏 = named(new QLineEdit(分组框_宝宝信息), "编辑框_姓氏");
    编辑框_姓氏->setMinimumWidth(编辑框_姓氏->fontMetrics().horizontalAdvance(QStringLiteral("欧阳欧阳")) + 12);
    编辑框_姓氏->setMaximumWidth(编辑框_姓氏->minimumWidth() * 2);
    组合框_性别 = named(new QComboBox(分组框_宝宝信息), "组合框_性别");
    组合框_性别->addItems({QStringLiteral("男"), QStringLiteral("女")});
    组合框_名字个数 = named(new QComboBox(分组框_宝宝信息), "组合框_名字个数");
    组合框_名字个数->addItems({QStringLiteral("一字"), QStringLiteral("二字")});
    标签_设置辈份 = label(QStringLiteral("▽"), 分组框_宝宝信息, "标签_设置辈份");
    标签_设置辈份->setToolTip(QStringLiteral("设置辈份字"));
    标签_设置辈份->setCursor(Qt::PointingHandCursor);
    标签_设置辈份->installEventFilter(this);
    组合框_年份 = dateList(分组框_宝宝信息, "组合框_年份", 4);
    组合框_月份 = dateList(分组框_宝宝信息, "组合框_月份");
    组合框_日子 = dateList(分组框_宝宝信息, "组合框_日子");
    组合框_时间 = dateList(分组框_宝宝信息, "组合框_时间");
    组合框_分钟 = dateList(分组框_宝宝信息, "组合框_分钟");

    auto* who = new QHBoxLayout;
    who->addWidget(label(QStringLiteral("姓氏:"), 分组框_宝宝信息));
    who->addWidget(编辑框_姓氏);
    who->addSpacing(12);
    who->addWidget(label(QStringLiteral("性别:"), 分组框_宝宝信息));
    who->addWidget(组合框_性别);
    who->addSpacing(12);
    who->addWidget(label(QStringLiteral("名字个数:"), 分组框_宝宝信息));
    who->addWidget(组合框_名字个数);
    who->addWidget(标签_设置辈份);
    who->addStretch(1);
    auto* when = new QHBoxLayout;
    when->setSpacing(4);
    when->addWidget(label(QStringLiteral("出生日期(公历):"), 分组框_宝宝信息));
    const std::pair<QComboBox*, QString> dateParts[] = {
        {组合框_年份, QStringLiteral("年")}, {组合框_月份, QStringLiteral("月")},
        {组合框_日子, QStringLiteral("日")}, {组合框_时间, QStringLiteral("时")},
        {组合框_分钟, QStringLiteral("分")}};
    for (const auto& [list, unit] : dateParts) {
        when->addWidget(list);
        when->addWidget(label(unit, 分组框_宝宝信息));
        when->addSpacing(4);
    }
    when->addStretch(1);
    auto* info = new QVBoxLayout(分组框_宝宝信息);
    info->addLayout(who);
    info->addLayout(when);

    auto* modes = new QWidget(page);
    modes->setObjectName(QStringLiteral("起名模式"));
    单选框_经典起名 = named(new QRadioButton(QStringLiteral("经典起名"), modes), "单选框_经典起名");
    单选框_高分起名 = named(new QRadioButton(QStringLiteral("高分起名"), modes), "单选框_高分起名");
    单选框_超吉起名 = named(new QRadioButton(QStringLiteral("超吉起名"), modes), "单选框_超吉起名");
    单选框_诗词起名 = named(new QRadioButton(QStringLiteral("诗词起名"), modes), "单选框_诗词起名");
    单选框_组合起名 = named(new QRadioButton(QStringLiteral("组合起名"), modes), "单选框_组合起名");
    单选框_起小名 = named(new QRadioButton(QStringLiteral("起小名"), modes), "单选框_起小名");
    单选框_起英文名 = named(new QRadioButton(QStringLiteral("起英文名"), modes), "单选框_起英文名");
    单选框_经典起名->setChecked(true);
    auto* modeGroup = new QButtonGroup(modes);
    QRadioButton* modeButtons[] = {单选框_经典起名, 单选框_高分起名, 单选框_超吉起名, 单选框_诗词起名,
                                   单选框_组合起名, 单选框_起小名, 单选框_起英文名};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    for (int i = 0; i < 7; ++i) {
        modeGroup->addButton(modeButtons[i]);
        grid->addWidget(modeButtons[i], i / 4, i % 4);
    }
    按钮_起名 = button(QStringLiteral("开始起名"), modes, "按钮_起名");
    按钮_起名->setMinimumHeight(按钮_起名->sizeHint().height() * 2);
    按钮_起名->setMinimumWidth(按钮_起名->fontMetrics().horizontalAdvance(按钮_起名->text()) * 2);
    QFont big = 按钮_起名->font();
    big.setBold(true);
    按钮_起名->setFont(big);
    auto* left = new QVBoxLayout;
    left->addWidget(label(QStringLiteral("请选择起名模式:"), modes));
    left->addLayout(grid);
    auto* modesLayout = new QHBoxLayout(modes);
    modesLayout->setContentsMargins(8, 4, 8, 4);
    modesLayout->addLayout(left, 1);
    modesLayout->addWidget(按钮_起名, 0, Qt::AlignVCenter);

    // The introduction scrolls when a large font makes it longer than the free area.
    auto* introduction = new QScrollArea(page);
    introduction->setObjectName(QStringLiteral("介绍滚动区"));
    introduction->setWidgetResizable(true);
    introduction->setFrameShape(QFrame::StyledPanel);
    introduction->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    透明标签11 = label(QString(), introduction, "透明标签11");
    透明标签11->setWordWrap(true);
    透明标签11->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    透明标签11->setMargin(8);
    透明标签11->setAutoFillBackground(false);
    introduction->setWidget(透明标签11);
    introduction->viewport()->setAutoFillBackground(false);
    透明标签11->setTextFormat(Qt::RichText);
    透明标签11->setText(QStringLiteral(
        "<p style='line-height:130%'>青禾取名软件依据传统姓名学为宝宝起名：按《康熙字典》的笔画算出"
        "天格、人格、地格、外格、总格五格数理，结合三才配置与八十一数理的吉凶，给每个名字打出0到100分，"
        "并可查看宝宝的生辰八字、五行与生肖宜用的偏旁。</p>"
        "<p style='line-height:130%'>七种模式各有所长：经典起名从精选的好听名字里随机挑选；高分起名在"
        "二十秒内列出上万个90分以上的名字；超吉起名只留下数理全吉的名字，还能按五行筛选；诗词起名从唐诗"
        "里取字；组合起名只用您挑选的字；起小名生成叠字、小某、某儿、阿某四种乳名；起英文名按中文名的"
        "读音推荐英文名，双击可以听发音。</p>"
        "<p style='line-height:130%'>此外还有新华字典查字、起名记录，以及孕育、育儿、起名与传统文化"
        "方面的文章库。</p>"));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(分组框_宝宝信息);
    layout->addWidget(modes);
    layout->addWidget(introduction, 1);
    return page;
}

// ---- page 1: 高分模式 ----

QWidget* QingHeMain::buildHighScorePage() {
    auto* page = new QWidget;
    超级列表框_高分起名 = makeNameList(QStringLiteral("超级列表框_高分起名"));
    按钮_高分暂停 = button(QStringLiteral("暂停"), page, "按钮_高分暂停");
    按钮_再生成一次 = button(QStringLiteral("不满意?再生成一次"), page, "按钮_再生成一次");
    按钮_高分导出 = button(QStringLiteral("导出列表"), page, "按钮_高分导出");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(按钮_高分暂停);
    buttons->addWidget(按钮_再生成一次);
    buttons->addWidget(按钮_高分导出);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(listGroup(kListHint, 超级列表框_高分起名, page), 1);
    layout->addLayout(buttons);
    return page;
}

// ---- page 2: 诗词起名 ----

QWidget* QingHeMain::buildPoetryPage() {
    auto* page = new QWidget;
    高级选择夹2 = named(new QTabWidget(page), "高级选择夹2");

    // 选取诗词: poet, poem, preview.
    auto* choose = new QWidget;
    auto* poets = new TextListModel({QStringLiteral("编号"), QStringLiteral("诗人")}, {50, 80}, choose);
    超级列表框_诗人列表 = named(new QTableView(choose), "超级列表框_诗人列表");
    超级列表框_诗人列表->setModel(poets);
    setUpListView(超级列表框_诗人列表, poets->columnWidths());
    auto* poems = new TextListModel({QStringLiteral("编号"), QStringLiteral("诗词标题")}, {50, 160}, choose);
    超级列表框_诗词残 = named(new QTableView(choose), "超级列表框_诗词残");
    超级列表框_诗词残->setModel(poems);
    setUpListView(超级列表框_诗词残, poems->columnWidths());
    网页浏览框1 = named(new QTextBrowser(choose), "网页浏览框1");
    网页浏览框1->setContextMenuPolicy(Qt::NoContextMenu);
    透明标签15 = label(QStringLiteral("① 选择诗人"), choose, "透明标签15");
    透明标签28 = label(QStringLiteral("② 选择诗词"), choose, "透明标签28");
    透明标签30 = label(QStringLiteral("③ 使用本诗词,点击按钮"), choose, "透明标签30");
    按钮2 = button(QStringLiteral("使用此诗词"), choose, "按钮2");
    auto* chooseLayout = new QGridLayout(choose);
    chooseLayout->setContentsMargins(6, 6, 6, 6);
    chooseLayout->addWidget(超级列表框_诗人列表, 0, 0);
    chooseLayout->addWidget(超级列表框_诗词残, 0, 1);
    chooseLayout->addWidget(网页浏览框1, 0, 2, 1, 2);
    chooseLayout->addWidget(透明标签15, 1, 0);
    chooseLayout->addWidget(透明标签28, 1, 1);
    chooseLayout->addWidget(透明标签30, 1, 2);
    chooseLayout->addWidget(按钮2, 1, 3, Qt::AlignRight);
    chooseLayout->setColumnStretch(0, 168);
    chooseLayout->setColumnStretch(1, 221);
    chooseLayout->setColumnStretch(2, 230);
    chooseLayout->setColumnStretch(3, 72);
    chooseLayout->setRowStretch(0, 1);

    // 诗词取名: the poem's characters as check boxes.
    auto* pick = new QWidget;
    分组框_诗词字符 = group(QString(), pick, "分组框_诗词字符");
    auto* scroll = new QScrollArea(分组框_诗词字符);
    scroll->setObjectName(QStringLiteral("诗词字符滚动区"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    诗词字符网格 = new QWidget;
    诗词字符网格->setObjectName(QStringLiteral("诗词字符网格"));
    scroll->setWidget(诗词字符网格);
    选择框1 = named(new QCheckBox(QStringLiteral("国"), 诗词字符网格), "选择框1");
    选择框1->hide();  // only the template of the boxes made from a poem
    按钮3 = button(QStringLiteral("全选"), 分组框_诗词字符, "按钮3");
    按钮6 = button(QStringLiteral("反选"), 分组框_诗词字符, "按钮6");
    按钮4 = button(QStringLiteral("全清"), 分组框_诗词字符, "按钮4");
    按钮_诗词起名 = button(QStringLiteral("生成"), 分组框_诗词字符, "按钮_诗词起名");
    auto* pickButtons = new QVBoxLayout;
    pickButtons->addSpacing(24);
    pickButtons->addWidget(按钮3);
    pickButtons->addWidget(按钮6);
    pickButtons->addWidget(按钮4);
    pickButtons->addStretch(1);
    pickButtons->addWidget(按钮_诗词起名);
    auto* groupLayout = new QHBoxLayout(分组框_诗词字符);
    groupLayout->addWidget(scroll, 1);
    groupLayout->addLayout(pickButtons);
    auto* pickLayout = new QVBoxLayout(pick);
    pickLayout->setContentsMargins(6, 6, 6, 6);
    pickLayout->addWidget(分组框_诗词字符);

    // 生成名字: the names.
    auto* names = new QWidget;
    超级列表框_诗名列表 = makeNameList(QStringLiteral("超级列表框_诗名列表"));
    分组框5 = listGroup(kListHint, 超级列表框_诗名列表, names, "分组框5");
    auto* namesLayout = new QVBoxLayout(names);
    namesLayout->setContentsMargins(6, 6, 6, 6);
    namesLayout->addWidget(分组框5);

    高级选择夹2->addTab(choose, QStringLiteral("选取诗词"));
    高级选择夹2->addTab(pick, QStringLiteral("诗词取名"));
    高级选择夹2->addTab(names, QStringLiteral("生成名字"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(高级选择夹2);
    return page;
}

// ---- page 3: 组合起名 ----

QWidget* QingHeMain::buildCombinationPage() {
    auto* page = new QWidget;
    QGroupBox* input = group(QStringLiteral("请在此处输入要组合的字"), page, "分组框_组合的字");
    编辑框_组合的字 = named(new QLineEdit(input), "编辑框_组合的字");
    编辑框_组合的字->setPlaceholderText(QStringLiteral("例如：明亮思远"));
    按钮_组合起名 = button(QStringLiteral("生成"), input, "按钮_组合起名");
    auto* inputLayout = new QHBoxLayout(input);
    inputLayout->addWidget(编辑框_组合的字, 1);
    inputLayout->addWidget(按钮_组合起名);
    超级列表框_组合列表 = makeNameList(QStringLiteral("超级列表框_组合列表"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(input);
    layout->addWidget(listGroup(kListHint, 超级列表框_组合列表, page), 1);
    return page;
}

// ---- page 4: 起小名 ----

QWidget* QingHeMain::buildNicknamePage() {
    auto* page = new QWidget;
    QGroupBox* style = group(QString(), page, "分组框_小名样式");
    单选框_AA型 = named(new QRadioButton(QStringLiteral("AA型"), style), "单选框_AA型");
    单选框_小A型 = named(new QRadioButton(QStringLiteral("小A型"), style), "单选框_小A型");
    单选框_A儿型 = named(new QRadioButton(QStringLiteral("A儿型"), style), "单选框_A儿型");
    单选框_阿A型 = named(new QRadioButton(QStringLiteral("阿A型"), style), "单选框_阿A型");
    单选框_AA型->setChecked(true);
    按钮_起小名 = button(QStringLiteral("点击生成"), style, "按钮_起小名");
    auto* patterns = new QButtonGroup(style);
    auto* styleLayout = new QHBoxLayout(style);
    styleLayout->addWidget(label(QStringLiteral("小名样式:"), style));
    for (QRadioButton* b : {单选框_AA型, 单选框_小A型, 单选框_A儿型, 单选框_阿A型}) {
        patterns->addButton(b);
        styleLayout->addWidget(b);
    }
    styleLayout->addStretch(1);
    styleLayout->addWidget(按钮_起小名);
    超级列表框_小名列表 = makeNameList(QStringLiteral("超级列表框_小名列表"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(style);
    layout->addWidget(listGroup(kListHint, 超级列表框_小名列表, page), 1);
    return page;
}

// ---- page 5: 起英文名 ----

QWidget* QingHeMain::buildEnglishPage() {
    auto* page = new QWidget;
    分组框9 = group(QString(), page, "分组框9");
    透明标签18 = label(QStringLiteral("姓氏:"), 分组框9, "透明标签18");
    编辑框_英文姓氏 = named(new QLineEdit(分组框9), "编辑框_英文姓氏");
    透明标签19 = label(QStringLiteral("名字:"), 分组框9, "透明标签19");
    编辑框_英文名字 = named(new QLineEdit(分组框9), "编辑框_英文名字");
    const int nameWidth = 编辑框_英文姓氏->fontMetrics().horizontalAdvance(QStringLiteral("欧阳欧")) + 12;
    编辑框_英文姓氏->setFixedWidth(nameWidth);
    编辑框_英文名字->setFixedWidth(nameWidth);
    透明标签17 = label(QStringLiteral("性别设置:"), 分组框9, "透明标签17");
    单选框_男性化 = named(new QRadioButton(QStringLiteral("男性化"), 分组框9), "单选框_男性化");
    单选框_女性化 = named(new QRadioButton(QStringLiteral("女性化"), 分组框9), "单选框_女性化");
    单选框_中性化 = named(new QRadioButton(QStringLiteral("中性化"), 分组框9), "单选框_中性化");
    单选框_男性化->setChecked(true);
    auto* styles = new QButtonGroup(分组框9);
    for (QRadioButton* b : {单选框_男性化, 单选框_女性化, 单选框_中性化}) styles->addButton(b);
    透明标签16 = label(QStringLiteral("名字长度:"), 分组框9, "透明标签16");
    组合框_日子1 = named(new QComboBox(分组框9), "组合框_日子1");
    透明标签20 = label(QStringLiteral("-"), 分组框9, "透明标签20");
    组合框_时间1 = named(new QComboBox(分组框9), "组合框_时间1");
    for (QComboBox* list : {组合框_日子1, 组合框_时间1})
        list->addItems({QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
    按钮_英文起名 = button(QStringLiteral("生成"), 分组框9, "按钮_英文起名");
    auto* inputs = new QHBoxLayout(分组框9);
    inputs->setSpacing(4);
    for (QWidget* w : std::initializer_list<QWidget*>{透明标签18, 编辑框_英文姓氏, 透明标签19, 编辑框_英文名字})
        inputs->addWidget(w);
    inputs->addSpacing(10);
    for (QWidget* w : std::initializer_list<QWidget*>{透明标签17, 单选框_男性化, 单选框_女性化, 单选框_中性化})
        inputs->addWidget(w);
    inputs->addSpacing(10);
    for (QWidget* w : std::initializer_list<QWidget*>{透明标签16, 组合框_日子1, 透明标签20, 组合框_时间1})
        inputs->addWidget(w);
    inputs->addStretch(1);
    inputs->addWidget(按钮_英文起名);

    auto* english = new TextListModel({QStringLiteral("编号"), QStringLiteral("英文名"),
                                       QStringLiteral("中文读音"), QStringLiteral("相关含义")},
                                      {60, 100, 200, 280}, page);
    超级列表框_英文列表 = named(new QTableView(page), "超级列表框_英文列表");
    超级列表框_英文列表->setModel(english);
    setUpListView(超级列表框_英文列表, english->columnWidths());
    分组框13 = listGroup(QStringLiteral("姓名列表(双击英文名字可以自动朗读)"), 超级列表框_英文列表, page,
                         "分组框13");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(分组框9);
    layout->addWidget(分组框13, 1);
    return page;
}

// ---- page 6: 生辰八字 ----

QWidget* QingHeMain::buildBaziPage() {
    auto* page = new QWidget;
    分组框15 = group(QString(), page, "分组框15");
    单选框1 = named(new QRadioButton(QStringLiteral("使用起名日期:"), 分组框15), "单选框1");
    单选框1->setChecked(true);
    透明标签_起名日期 = label(QString(), 分组框15, "透明标签_起名日期");
    透明标签_起名日期->setMinimumWidth(透明标签_起名日期->fontMetrics().horizontalAdvance(QStringLiteral("2013年12月31日23时")) + 4);
    单选框_自定义日期 = named(new QRadioButton(QStringLiteral("自定义日期:"), 分组框15), "单选框_自定义日期");
    auto* dateChoice = new QButtonGroup(分组框15);
    dateChoice->addButton(单选框1);
    dateChoice->addButton(单选框_自定义日期);
    透明标签34 = label(QStringLiteral("出生日期:"), 分组框15, "透明标签34");
    组合框_八字年份 = dateList(分组框15, "组合框_八字年份", 4);
    组合框_八字月份 = dateList(分组框15, "组合框_八字月份");
    组合框_八字日子 = dateList(分组框15, "组合框_八字日子");
    组合框_八字时间 = dateList(分组框15, "组合框_八字时间");
    透明标签33 = label(QStringLiteral("年"), 分组框15, "透明标签33");
    透明标签32 = label(QStringLiteral("月"), 分组框15, "透明标签32");
    透明标签31 = label(QStringLiteral("日"), 分组框15, "透明标签31");
    透明标签13 = label(QStringLiteral("时"), 分组框15, "透明标签13");
    按钮_八字查询 = button(QStringLiteral("查询"), 分组框15, "按钮_八字查询");
    // Two lines: the naming date, then the page's own date; 查询 beside both.
    auto* custom = new QHBoxLayout;
    custom->setSpacing(4);
    custom->addWidget(透明标签34);
    for (QWidget* w : std::initializer_list<QWidget*>{组合框_八字年份, 透明标签33, 组合框_八字月份, 透明标签32,
                                                      组合框_八字日子, 透明标签31, 组合框_八字时间, 透明标签13})
        custom->addWidget(w);
    custom->addStretch(1);
    auto* choice = new QGridLayout(分组框15);
    choice->setHorizontalSpacing(8);
    choice->addWidget(单选框1, 0, 0);
    choice->addWidget(透明标签_起名日期, 0, 1);
    choice->addWidget(单选框_自定义日期, 1, 0);
    choice->addLayout(custom, 1, 1);
    choice->addWidget(按钮_八字查询, 0, 2, 2, 1, Qt::AlignVCenter);
    choice->setColumnStretch(1, 1);

    分组框14 = group(QString(), page, "分组框14");
    编辑框_八字信息 = named(new QPlainTextEdit(分组框14), "编辑框_八字信息");
    编辑框_八字信息->setReadOnly(true);
    八字五行标签 = label(QString(), 分组框14, "八字五行标签");
    缺五行标签 = label(QString(), 分组框14, "缺五行标签");
    八字五行标签->hide();  // working state of the reading, kept out of sight
    缺五行标签->hide();
    auto* reading = new QVBoxLayout(分组框14);
    reading->addWidget(编辑框_八字信息);

    connect(按钮_八字查询, &QPushButton::clicked, this, &QingHeMain::queryBaziReading);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(分组框15);
    layout->addWidget(分组框14, 1);
    return page;
}

// ---- page 7: 姓名评分 ----

QWidget* QingHeMain::buildScoringPage() {
    auto* page = new QWidget;
    QGroupBox* input = group(QString(), page, "分组框_评分输入");
    编辑框_评分姓氏 = named(new QLineEdit(input), "编辑框_评分姓氏");
    编辑框_评分名字 = named(new QLineEdit(input), "编辑框_评分名字");
    const int nameWidth = 编辑框_评分姓氏->fontMetrics().horizontalAdvance(QStringLiteral("欧阳欧阳")) + 12;
    编辑框_评分姓氏->setFixedWidth(nameWidth);
    编辑框_评分名字->setFixedWidth(nameWidth);
    组合框_评分年份 = dateList(input, "组合框_评分年份", 4);
    组合框_评分月份 = dateList(input, "组合框_评分月份");
    组合框_评分日子 = dateList(input, "组合框_评分日子");
    组合框_评分时间 = dateList(input, "组合框_评分时间");
    组合框_评分分钟 = dateList(input, "组合框_评分分钟");
    按钮_评分 = button(QStringLiteral("评分"), input, "按钮_评分");
    // Two lines: the name, then the birth moment; 评分 beside both.
    auto* who = new QHBoxLayout;
    who->setSpacing(4);
    who->addWidget(编辑框_评分姓氏);
    who->addSpacing(10);
    who->addWidget(label(QStringLiteral("名字:"), input));
    who->addWidget(编辑框_评分名字);
    who->addStretch(1);
    auto* when = new QHBoxLayout;
    when->setSpacing(4);
    const std::pair<QComboBox*, QString> dateParts[] = {
        {组合框_评分年份, QStringLiteral("年")}, {组合框_评分月份, QStringLiteral("月")},
        {组合框_评分日子, QStringLiteral("日")}, {组合框_评分时间, QStringLiteral("时")},
        {组合框_评分分钟, QStringLiteral("分")}};
    for (const auto& [list, unit] : dateParts) {
        when->addWidget(list);
        when->addWidget(label(unit, input));
        when->addSpacing(4);
    }
    when->addStretch(1);
    按钮_评分->setMinimumHeight(按钮_评分->sizeHint().height() * 3 / 2);
    auto* rows = new QGridLayout(input);
    rows->setHorizontalSpacing(8);
    rows->addWidget(label(QStringLiteral("姓氏:"), input), 0, 0);
    rows->addLayout(who, 0, 1);
    rows->addWidget(label(QStringLiteral("出生日期:"), input), 1, 0);
    rows->addLayout(when, 1, 1);
    rows->addWidget(按钮_评分, 0, 2, 2, 1, Qt::AlignVCenter);
    rows->setColumnStretch(1, 1);
    超级列表框_评分列表 = makeNameList(QStringLiteral("超级列表框_评分列表"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(input);
    layout->addWidget(listGroup(kListHint, 超级列表框_评分列表, page), 1);
    return page;
}

// ---- page 8: 起名记录 ----

QWidget* QingHeMain::buildSavedNamesPage() {
    auto* page = new QWidget;
    超级列表框_记录列表 = makeNameList(QStringLiteral("超级列表框_记录列表"));
    savedNamesModel_ = nameListModel(超级列表框_记录列表);
    超级列表框_记录列表->setContextMenuPolicy(Qt::CustomContextMenu);

    记录列表菜单 = new QMenu(this);
    记录列表菜单->setObjectName(QStringLiteral("记录列表菜单"));
    删除记录 = 记录列表菜单->addAction(QStringLiteral("删除记录"));
    删除记录->setObjectName(QStringLiteral("删除记录"));
    connect(删除记录, &QAction::triggered, this, &QingHeMain::deleteSavedName);
    // The menu comes up wherever the list is right-clicked, over a row or not.
    connect(超级列表框_记录列表, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        记录列表菜单->popup(超级列表框_记录列表->viewport()->mapToGlobal(at));
    });
    connect(超级列表框_记录列表, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!index.isValid()) return;
        const SavedName name =
            splitSavedName(savedNamesModel_->row(static_cast<size_t>(index.row())).columns[ColName]);
        openSavedNameReport(name.surname, name.given);
    });

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(listGroup(QStringLiteral("姓名列表(双击姓名可查看详细解释,右键点击姓名可以删除不要的记录)"),
                                超级列表框_记录列表, page),
                      1);
    return page;
}

// ---- page 9: 超吉模式 ----

QWidget* QingHeMain::buildSuperAuspiciousPage() {
    auto* page = new QWidget;
    QGroupBox* filters = group(QStringLiteral("请设置五行筛选条件"), page, "分组框_五行筛选");
    选择框_第二个字五行限定 = named(new QCheckBox(QStringLiteral("第二个字五行限定"), filters), "选择框_第二个字五行限定");
    选择框_第三个字五行限定 = named(new QCheckBox(QStringLiteral("第三个字五行限定"), filters), "选择框_第三个字五行限定");
    选择框_所有字必带五行 = named(new QCheckBox(QStringLiteral("所有字必须带五行(含姓)"), filters), "选择框_所有字必带五行");
    选择框_所有字不能带五行 = named(new QCheckBox(QStringLiteral("所有字不能带五行(含姓)"), filters), "选择框_所有字不能带五行");
    elementMasters = {选择框_第二个字五行限定, 选择框_第三个字五行限定, 选择框_所有字必带五行, 选择框_所有字不能带五行};
    QCheckBox** members[4][5] = {
        {&选择框_金0, &选择框_木0, &选择框_水0, &选择框_火0, &选择框_土0},
        {&选择框_金1, &选择框_木1, &选择框_水1, &选择框_火1, &选择框_土1},
        {&选择框_金2, &选择框_木2, &选择框_水2, &选择框_火2, &选择框_土2},
        {&选择框_金3, &选择框_木3, &选择框_水3, &选择框_火3, &选择框_土3}};
    const QString elementNames[5] = {QStringLiteral("金"), QStringLiteral("木"), QStringLiteral("水"),
                                     QStringLiteral("火"), QStringLiteral("土")};
    auto* grid = new QGridLayout(filters);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    for (int m = 0; m < 4; ++m) {
        QCheckBox* master = elementMasters[static_cast<size_t>(m)];
        grid->addWidget(master, m, 0);
        for (int e = 0; e < 5; ++e) {
            auto* box = new QCheckBox(elementNames[e], filters);
            box->setObjectName(QStringLiteral("选择框_") + elementNames[e] + QString::number(m));
            *members[m][e] = box;
            elementBoxes[static_cast<size_t>(m)][static_cast<size_t>(e)] = box;
            grid->addWidget(box, m, e + 1);
        }
        connect(master, &QCheckBox::clicked, this, [this, master] { applyElementInterlock(master); });
    }
    // By default every usable character may stand at either place: all characters must have one
    // of the five elements.
    选择框_所有字必带五行->setChecked(true);
    for (QCheckBox* box : elementBoxes[2]) box->setChecked(true);
    for (auto& row : elementBoxes)
        for (QCheckBox* box : row) box->setEnabled(false);

    QGroupBox* principle = group(QStringLiteral("超“吉”筛选原理"), page, "分组框_超吉原理");
    auto* explanation = label(QStringLiteral(
        "超吉起名只留下数理最好的名字：人格、地格、总格、外格与三才配置都要取得最好的吉凶，名字从上千万种"
        "组合中筛出。左边可以限定第二个字或第三个字的五行，或者要求所有字必须带、不能带某些五行。"
        "由于姓是固定的，天格也是固定的，所以天格为凶时无法得到100分！"),
        principle, "透明标签_超吉原理");
    explanation->setWordWrap(true);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* principleLayout = new QVBoxLayout(principle);
    principleLayout->addWidget(explanation);

    按钮_超吉生成 = button(QStringLiteral("生成"), page, "按钮_超吉生成");
    按钮_超吉暂停 = button(QStringLiteral("暂停"), page, "按钮_超吉暂停");
    按钮_超吉导出 = button(QStringLiteral("导出"), page, "按钮_超吉导出");
    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(10);
    buttons->addWidget(按钮_超吉生成);
    buttons->addWidget(按钮_超吉暂停);
    buttons->addWidget(按钮_超吉导出);
    buttons->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(filters);
    top->addWidget(principle, 1);
    top->addLayout(buttons);
    超级列表框_超吉起名 = makeNameList(QStringLiteral("超级列表框_超吉起名"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top);
    layout->addWidget(listGroup(kListHint, 超级列表框_超吉起名, page), 1);
    return page;
}

// ---- page 10: 经典模式 ----

QWidget* QingHeMain::buildClassicPage() {
    auto* page = new QWidget;
    编辑框_经典名字 = named(new QPlainTextEdit(page), "编辑框_经典名字");
    编辑框_经典名字->setReadOnly(true);
    按钮_经典生成 = button(QStringLiteral("不满意?再生成一次"), page, "按钮_经典生成");
    按钮_经典导出 = button(QStringLiteral("导出"), page, "按钮_经典导出");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(按钮_经典生成);
    buttons->addWidget(按钮_经典导出);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(编辑框_经典名字, 1);
    layout->addLayout(buttons);
    return page;
}

}  // namespace qinghe
