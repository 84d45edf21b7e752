#include "generate/gui/list_export.hpp"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "generate/name_list_export.hpp"  // writeExportFile

namespace qinghe {

bool exportAndOpen(QWidget* parent, const QString& path, const std::string& gbkText) {
    if (!writeExportFile(path.toStdString(), gbkText)) {
        QMessageBox box(QMessageBox::Warning, QString::fromUtf8("提示"),
                        QString::fromUtf8("无法写入文件：") + path, QMessageBox::Ok, parent);
        box.exec();
        return false;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return true;
}

}  // namespace qinghe
