// 设置辈份: the dialog that fixes a generation character at the second or third place of the
// full name for the rest of this run of the program.
#pragma once

#include <QDialog>

#include "generate/generation_char_setting.hpp"

class QLineEdit;
class QRadioButton;
class QPushButton;
class QLabel;

namespace qinghe {

class GenerationCharDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the current setting; the setting changes only through 确定 and 取消.
    GenerationCharDialog(GenerationCharSetting& setting, QWidget* parent);

    QRadioButton* 单选框_不设置辈份;
    QRadioButton* 单选框_设置第二个字;
    QLineEdit* 编辑框_第二个字;
    QLabel* 透明标签1;
    QRadioButton* 单选框_设置第三个字;
    QLineEdit* 编辑框_第三个字;
    QLabel* 透明标签2;
    QLabel* 透明标签3;
    QPushButton* 按钮_辈份确定;
    QPushButton* 按钮_辈份取消;

private:
    void confirm();
    void cancel();

    GenerationCharSetting& setting_;
};

}  // namespace qinghe
