// Runner of the window tests: one QApplication for the whole run. The user's
// data and configuration folders (recovery files, the settings store) point
// into a scratch folder of the run, so the tests never touch the real ones.
#include <QApplication>
#include <QFont>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/zw-gui-tests-XXXXXX"));
    if (!scratch.isValid())
        return 2;
    qputenv("XDG_DATA_HOME", scratch.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toLocal8Bit());
    // Qt's offscreen plugin on Windows reads its fonts from one folder,
    // QT_QPA_FONTDIR; Wine hands no QT_ variable to the program, so the test
    // command names the folder as ZW_TEST_FONT_DIR (a face as wide as Arial).
    // That plugin knows no desktop font either: the windows get the size
    // Windows gives them, 9 pt.
    const bool fontFolder = !qEnvironmentVariableIsEmpty("ZW_TEST_FONT_DIR");
    if (fontFolder && qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("ZW_TEST_FONT_DIR"));
    QApplication app(argc, argv);
    if (fontFolder) {
        QFont font = QApplication::font();
        font.setPointSize(9);
        QApplication::setFont(font);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
