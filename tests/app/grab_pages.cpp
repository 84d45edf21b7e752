// grab-pages FOLDER [PROGRAM_FOLDER [SKIN [FONT_POINTS]]]: builds the main window as the program does, shows each of its eleven pages
// and the about box in turn and writes a picture of each to FOLDER (page00.png … page10.png,
// about.png), with the smallest size each page asks for printed on standard output. A tool for
// looking at the layouts and for the screenshots of the manual; it is not part of the program.
#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QStyleFactory>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "app/about_us.hpp"
#include "app/qinghe_main.hpp"
#include "app/single_instance_guard.hpp"
#include "app/skins.hpp"
#include "store/name_database.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: grab-pages FOLDER [PROGRAM_FOLDER [SKIN [FONT_POINTS]]]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const QString programFolder =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QApplication::applicationDirPath();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc > 4) {  // how the layouts cope with a larger (or smaller) desktop font
        QFont font = QApplication::font();
        font.setPointSizeF(QString::fromLocal8Bit(argv[4]).toDouble());
        QApplication::setFont(font);
    }

    qinghe::NameDatabase database;
    qinghe::SingleInstanceGuard guard(QDir::temp().filePath(QStringLiteral("qinghe-grab.lock")));
    qinghe::QingHeMain window(database, programFolder);
    if (!window.startUp(guard)) return 1;
    if (argc > 3) qinghe::applySkin(QString::fromLocal8Bit(argv[3]).toInt());
    QApplication::processEvents();
    QThread::msleep(300);
    QApplication::processEvents();
    std::printf("window %dx%d (minimum %dx%d)\n", window.width(), window.height(),
                window.minimumSizeHint().width(), window.minimumSizeHint().height());
    for (int page = 0; page < qinghe::MainPageCount; ++page) {
        window.showPage(page);
        if (page == qinghe::PageBazi) window.prepareBaziPage();
        if (page == qinghe::PageScoring) window.prepareScoringPage();
        QApplication::processEvents();
        QWidget* w = window.高级选择夹1->widget(page);
        std::printf("page %2d minimum %dx%d\n", page, w->minimumSizeHint().width(),
                    w->minimumSizeHint().height());
        window.grab().save(out + QStringLiteral("/page%1.png").arg(page, 2, 10, QLatin1Char('0')));
    }
    window.高级选择夹2->setCurrentIndex(1);
    window.showPage(qinghe::PagePoetry);
    QApplication::processEvents();
    window.grab().save(out + QStringLiteral("/page02-1.png"));
    window.showAbout();
    QApplication::processEvents();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<qinghe::AboutUs*>(top)) about->grab().save(out + QStringLiteral("/about.png"));
    window.showPage(0);
    window.close();
    return 0;
}
