// AboutUs: the about box (关于软件) with the program's picture, name and version and the credits
// of the data sources the name database is built from.
#pragma once

#include <QWidget>

class QLabel;

namespace qinghe {

class AboutUs : public QWidget {
    Q_OBJECT

public:
    explicit AboutUs(QWidget* parent = nullptr);

    QLabel* 图片框1;
    QLabel* 透明标签1;
    QLabel* 透明标签3;
    QLabel* 透明标签2;  // the credits
};

}  // namespace qinghe
