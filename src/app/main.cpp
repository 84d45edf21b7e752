// qinghe: the desktop program. It takes no arguments.
#include <QApplication>
#include <QStyleFactory>

#include "app/app_icons.hpp"
#include "app/qinghe_main.hpp"
#include "app/single_instance_guard.hpp"
#include "store/name_database.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qinghe"));
    QApplication::setOrganizationName(QStringLiteral("qinghe"));
    QApplication::setDesktopFileName(QStringLiteral("qinghe"));
    QApplication::setWindowIcon(qinghe::appIcon(qinghe::AppIcon::Application));

    // The process-wide objects, closed and empty; they live until the program ends. The
    // database is declared before the window, so it outlives the loader the window runs.
    qinghe::NameDatabase database;
    qinghe::SingleInstanceGuard guard;

    // The skins are palettes and style sheets over one style that follows them everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    qinghe::QingHeMain window(database, QApplication::applicationDirPath());
    if (!window.startUp(guard)) return 0;  // another copy runs
    return app.exec();
}
