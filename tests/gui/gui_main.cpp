#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include <QApplication>
#include <QString>

namespace {

// The offscreen platform says so whenever a window asks to be raised or sized by hints.
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
        fprintf(stderr, "%s\n", qPrintable(message));
    }
    if (type == QtFatalMsg) {
        abort();
    }
}

}  // namespace

// The windows are real Qt windows on the offscreen platform: no display needed.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietOffscreenNotices);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
