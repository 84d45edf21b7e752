// The main of the GUI tests: one QApplication on the offscreen platform for every test, with the
// style the program itself uses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>
#include <cstdlib>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Each test sets its own runtime folder; until then one of our own keeps Qt from warning.
    char runtime[] = "/tmp/qinghe-gui-tests-XXXXXX";
    if (mkdtemp(runtime)) qputenv("XDG_RUNTIME_DIR", runtime);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
