// Test entry point: one QApplication on the offscreen platform for every test
// program, so widget tests and image tests share the same set-up.
#include <QApplication>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The built application folder, for tests that start the program or read
    // what the build put beside it (CTest's list-valued ENVIRONMENT property
    // does not reach discovered test cases whole).
    if (qEnvironmentVariableIsEmpty("WISPLET_APP_DIR"))
        qputenv("WISPLET_APP_DIR", WISPLET_BUILT_APP_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
