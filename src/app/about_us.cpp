#include "app/about_us.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/app_icons.hpp"

namespace qinghe {

AboutUs::AboutUs(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AboutUs"));
    setWindowTitle(QStringLiteral("关于软件"));
    setWindowIcon(appIcon(AppIcon::Application));
    resize(473, 246);

    图片框1 = new QLabel(this);
    图片框1->setObjectName(QStringLiteral("图片框1"));
    图片框1->setFixedSize(152, 152);
    图片框1->setPixmap(appPixmap(AppIcon::AboutPicture, QSize(152, 152), devicePixelRatioF()));

    透明标签1 = new QLabel(this);
    透明标签1->setObjectName(QStringLiteral("透明标签1"));
    QFont nameFont = 透明标签1->font();
    // 微软雅黑 where it is installed, otherwise the CJK sans-serif font of the system.
    nameFont.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                          QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC")});
    透明标签1->setFont(nameFont);
    透明标签1->setTextFormat(Qt::RichText);
    透明标签1->setText(QStringLiteral(
        "<div style='font-size:15pt; font-weight:bold'>青禾专业取名软件</div>"
        "<div>为宝宝起一个好听又吉祥的名字</div>"));

    透明标签3 = new QLabel(QStringLiteral("版本：V2014.09"), this);
    透明标签3->setObjectName(QStringLiteral("透明标签3"));

    透明标签2 = new QLabel(this);
    透明标签2->setObjectName(QStringLiteral("透明标签2"));
    透明标签2->setWordWrap(true);
    透明标签2->setTextFormat(Qt::RichText);
    透明标签2->setText(QStringLiteral(
        "字库与数据来源：<br>"
        "Unihan 汉字数据库（Unicode 许可）<br>"
        "OpenCC 繁简转换（Apache-2.0）<br>"
        "chinese-poetry 诗词、cnchar-data 词语（MIT）"));

    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(透明标签1);
    text->addWidget(透明标签3);
    text->addSpacing(6);
    text->addWidget(透明标签2);
    text->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(18);
    layout->addWidget(图片框1, 0, Qt::AlignTop);
    layout->addLayout(text, 1);
}

}  // namespace qinghe
