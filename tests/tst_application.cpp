// Zubrik: tests of the application's identity: name, version and desktop id as the desktop sees them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"
#include "platform/qt/Application.h"

#include <QIcon>
#include <QtTest>

class TestApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void identityComesFromTheVersionRecord()
    {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Zubrik"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("3.1415.9265"));
        // The installed desktop entry is named after this id.
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(ZUBRIK_APP_ID));
    }

    void windowIconHasBothDrawnSizes()
    {
        const QIcon icon = QApplication::windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)));
        QVERIFY(sizes.contains(QSize(48, 48)));
        // Asked for 32 pixels, the drawn 32-pixel picture itself, not a scaled 48.
        const QImage drawn = MainWindowDriver::shipped("icon32");
        QCOMPARE(drawn.size(), QSize(32, 32));
        QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_RGB32), drawn);
    }
};

int main(int argc, char *argv[])
{
    Application::setUpScreenScaling();
    Application application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
