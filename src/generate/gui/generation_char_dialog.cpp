#include "generate/gui/generation_char_dialog.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/named_widget.hpp"
#include "app/qt_text.hpp"

namespace qinghe {
namespace {

void warn(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8("提示"), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

GenerationCharDialog::GenerationCharDialog(GenerationCharSetting& setting, QWidget* parent)
    : QDialog(parent), setting_(setting) {
    setWindowTitle(QString::fromUtf8("设置辈份"));
    setModal(true);
    resize(498, 257);

    单选框_不设置辈份 = named(new QRadioButton(QString::fromUtf8("不设置辈份")), "单选框_不设置辈份");
    单选框_设置第二个字 = named(new QRadioButton(QString::fromUtf8("第  二  个字设定为")), "单选框_设置第二个字");
    编辑框_第二个字 = named(new QLineEdit(QString::fromUtf8("志")), "编辑框_第二个字");
    透明标签1 = named(new QLabel(QString::fromUtf8("例如：李志强，第二个字就是“志”")), "透明标签1");
    单选框_设置第三个字 = named(new QRadioButton(QString::fromUtf8("第  三  个字设定为")), "单选框_设置第三个字");
    编辑框_第三个字 = named(new QLineEdit(QString::fromUtf8("强")), "编辑框_第三个字");
    透明标签2 = named(new QLabel(QString::fromUtf8("例如：李志强，第三个字就是“强”")), "透明标签2");
    透明标签3 = named(new QLabel(QString::fromUtf8("高分模式下建议不设置辈份,设置后生成名字较少,且很难取得高分名字")),
                      "透明标签3");
    按钮_辈份确定 = named(new QPushButton(QString::fromUtf8("确定")), "按钮_辈份确定");
    按钮_辈份取消 = named(new QPushButton(QString::fromUtf8("取消")), "按钮_辈份取消");
    透明标签3->setWordWrap(true);
    for (QLineEdit* box : {编辑框_第二个字, 编辑框_第三个字}) {
        box->setMaxLength(4);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString::fromUtf8("字字字")) + 12);
    }

    auto* grid = new QGridLayout;
    grid->addWidget(单选框_不设置辈份, 0, 0, 1, 3);
    grid->addWidget(单选框_设置第二个字, 1, 0);
    grid->addWidget(编辑框_第二个字, 1, 1);
    grid->addWidget(透明标签1, 1, 2);
    grid->addWidget(单选框_设置第三个字, 2, 0);
    grid->addWidget(编辑框_第三个字, 2, 1);
    grid->addWidget(透明标签2, 2, 2);
    grid->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(按钮_辈份确定);
    buttons->addWidget(按钮_辈份取消);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(透明标签3);
    layout->addStretch();
    layout->addLayout(buttons);

    // The boxes always start with 志 and 强; the radio buttons show the setting in force.
    if (!setting_.enabled)
        单选框_不设置辈份->setChecked(true);
    else if (setting_.position == GenerationCharSetting::Position::Second)
        单选框_设置第二个字->setChecked(true);
    else
        单选框_设置第三个字->setChecked(true);

    connect(按钮_辈份确定, &QPushButton::clicked, this, &GenerationCharDialog::confirm);
    connect(按钮_辈份取消, &QPushButton::clicked, this, &GenerationCharDialog::cancel);
}

void GenerationCharDialog::confirm() {
    if (单选框_设置第二个字->isChecked()) {
        if (编辑框_第二个字->text().isEmpty()) {
            warn(this, QString::fromUtf8("请输入所设定的第二个字"));
            return;
        }
        setting_.enabled = true;
        setting_.position = GenerationCharSetting::Position::Second;
        setting_.secondCharacter = toGbk(编辑框_第二个字->text());
    } else if (单选框_设置第三个字->isChecked()) {
        if (编辑框_第三个字->text().isEmpty()) {
            warn(this, QString::fromUtf8("请输入所设定的第三个字"));
            return;
        }
        setting_.enabled = true;
        setting_.position = GenerationCharSetting::Position::Third;
        setting_.thirdCharacter = toGbk(编辑框_第三个字->text());
    } else {
        setting_.enabled = false;
        setting_.position = GenerationCharSetting::Position::None;
    }
    accept();
}

void GenerationCharDialog::cancel() {
    单选框_不设置辈份->setChecked(true);
    setting_.enabled = false;
    setting_.position = GenerationCharSetting::Position::None;
    reject();
}

}  // namespace qinghe
