#include "generate/gui/waiting_window.hpp"

#include <QHBoxLayout>
#include <QLabel>

#include "app/app_icons.hpp"

namespace qinghe {

WaitingWindow::WaitingWindow(QWidget* owner) : QDialog(owner) {
    setObjectName("QingHeWaiting");
    setWindowTitle(QString::fromUtf8("请稍等"));
    setModal(false);
    resize(380, 52);
    auto* picture = new QLabel;
    picture->setPixmap(appPixmap(AppIcon::Application, QSize(32, 32), devicePixelRatioF()));
    auto* text = new QLabel(QString::fromUtf8("正在生成,请稍等一下......"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(text, 1);
}

}  // namespace qinghe
