// The Qt smoke tests run on Qt's offscreen platform: real widgets, no display.

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <gtest/gtest.h>

namespace {
// The offscreen platform says, for every window, that it cannot raise it or pass size hints on;
// true and of no interest here.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
