// Zubrik: the ending as a real window: what it paints, how the staff roll lines up in the real font, the way out.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"
#include "ending/Form4.h"
#include "platform/qt/FontSetup.h"

#include <QScreen>
#include <QWindow>

namespace {

const QString crlf = QStringLiteral("\r\n");

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

// The rows of a rectangle of the picture that hold any ink.
QList<int> inkRows(const QImage &picture, const QRect &area)
{
    QList<int> rows;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(picture.pixel(x, y))) {
                rows << y;
                break;
            }
    return rows;
}

QImage grabbed(const Form &form)
{
    return native(form)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestEndingShown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The fonts as the game sets them up: the design family on IPA P Gothic.
    void initTestCase() { FontSetup::install(); }

    void showsTitleRuleAndIcon()
    {
        MainWindowDriver d;
        Form4 ending(*d.form);
        ending.show();
        QWidget *window = native(ending);
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QWidget *title = native(ending.label("Label2"));
        QCOMPARE(title->font().pixelSize(), 27); // 20.25 pt at 96 dpi
        QCOMPARE(title->font().weight(), QFont::Normal);
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY((window->geometry().center() - screen.center()).manhattanLength() <= 2);

        const QImage shot = grabbed(ending);
        QCOMPARE(shot.size(), QSize(355, 274));
        const QString where = QStringLiteral("ending_offscreen.png");
        QVERIFY(shot.save(where));
        qInfo("rendered to %s", qPrintable(QDir::current().absoluteFilePath(where)));

        QCOMPARE(shot.pixel(2, 2), qRgb(255, 255, 255));
        QCOMPARE(shot.pixel(350, 200), qRgb(255, 255, 255));
        // The rule: row 56 from x 8 up to 344, nothing just above or below.
        for (int x = 8; x < 344; ++x) {
            QVERIFY2(isInk(shot.pixel(x, 56)), qPrintable(QString::number(x)));
            QVERIFY(!isInk(shot.pixel(x, 57)));
            QVERIFY(x < 56 || !isInk(shot.pixel(x, 55))); // the icon ends on row 55
        }
        QVERIFY(!isInk(shot.pixel(7, 56)) && !isInk(shot.pixel(345, 56)));
        // The icon at (8, 8), pixel for pixel, not stretched.
        const QImage icon = MainWindowDriver::shipped("icon48");
        QCOMPARE(icon.size(), QSize(48, 48));
        QVERIFY(MainWindowDriver::samePixels(shot.copy(8, 8, 48, 48), icon));
        // Title and version are drawn where they are designed, above the rule.
        QVERIFY(!inkRows(shot, QRect(88, 24, 120, 31)).isEmpty());
        QVERIFY(!inkRows(shot, QRect(232, 40, 90, 15)).isEmpty());
        QVERIFY(inkRows(shot, QRect(60, 8, 20, 47)).isEmpty());
    }

    void onlyTheButtonTakesTheFocus()
    {
        MainWindowDriver d;
        Form4 ending(*d.form);
        QWidget *window = native(ending);
        QWidget *button = native(ending.Command1);
        for (QWidget *widget : window->findChildren<QWidget *>())
            QCOMPARE(widget->focusPolicy() != Qt::NoFocus, widget == button);
        ending.show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), button);
    }

    // Drawn in the real font, each line of the people's column prints on
    // exactly the rows of the same line of the roles.
    void columnsLineUpRowForRow()
    {
        MainWindowDriver d;
        Form4 ending(*d.form);
        QWidget *roles = native(ending.Label1(0));
        QWidget *people = native(ending.Label1(1));

        // Same texts in both columns (the roles' column ending in a long line,
        // so the two do not meet): then the rows of ink must be the same.
        const QStringList rows = QString::fromStdString(Form4::staffRoll().roles).split(crlf);
        const QString probe = rows.mid(0, 9).join(crlf);
        ending.showStaffRoll({ (probe + crlf + crlf + crlf + QString(20, QChar(0x2500))).toStdString(),
                               probe.toStdString() });
        ending.show();
        QVERIFY(QTest::qWaitForWindowExposed(native(ending)));
        QImage shot = grabbed(ending);
        const int split = people->x();
        const int bottom = people->geometry().bottom();
        QCOMPARE(inkRows(shot, QRect(split, roles->y(), people->width(), bottom - roles->y() + 1)),
                 inkRows(shot, QRect(roles->x(), roles->y(), split - roles->x(), bottom - roles->y() + 1)));

        // The game's own roll: the people's column has ink only on the lines
        // of the roles it answers (3 to 7 and 9), and on every one of them.
        ending.Form_Load();
        shot = grabbed(ending);
        const int lineHeight = roles->height() / 12;
        for (int line = 0; line < 9; ++line) {
            const QRect band(people->x(), people->y() + line * lineHeight, people->width(), lineHeight);
            const bool credited = (line >= 2 && line <= 6) || line == 8;
            QCOMPARE(!inkRows(shot, band).isEmpty(), credited);
        }
    }

    // Measured in the font the window really draws with.
    void peopleStartRightOfEveryRole()
    {
        MainWindowDriver d;
        Form4 ending(*d.form);
        QWidget *roles = native(ending.Label1(0));
        QWidget *people = native(ending.Label1(1));
        const QFontMetrics metrics(roles->font());
        const QStringList lines = QString::fromStdString(Form4::staffRoll().roles).split(crlf);
        for (int line = 0; line < 9; ++line)
            QVERIFY2(roles->x() + metrics.horizontalAdvance(lines[line]) < people->x(), qPrintable(lines[line]));
        const QString credit = lines.last();
        QVERIFY(roles->x() + metrics.horizontalAdvance(credit) <= native(ending)->width());
    }

    // The two ways out of the ending: its button, and a close request from the
    // desktop (a close key, the window list, a logout), which the desktop may
    // not let the game refuse.
    void endingClosesBothWindowsAndQuits_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Return on 終わります") << true;
        QTest::newRow("close request") << false;
    }

    // Run under the toolkit's own loop, as the game runs: unloading both
    // windows leaves none open, and that ends the loop with status 0.
    void endingClosesBothWindowsAndQuits()
    {
        QFETCH(bool, byButton);
        MainWindowDriver d;
        Form4 ending(*d.form);
        QWidget *window = native(ending);
        bool pressed = false;
        bool showReturned = false;
        QTimer::singleShot(0, window, [&] { ending.showModal(); showReturned = true; });
        QTimer::singleShot(0, window, [&] {
            QVERIFY(QTest::qWaitForWindowActive(window));
            QVERIFY(d.shown()->isVisible());
            QCOMPARE(QApplication::focusWidget(), native(ending.Command1));
            if (byButton)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                window->windowHandle()->close(); // as the platform delivers a desktop's request
            pressed = true;
        });
        // Should the game not quit, the loop still ends, with another status.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [&] {
            ending.unload();
            m_toolkit.quit(2);
        });
        guard.start(10000);
        QCOMPARE(m_toolkit.exec(), 0);
        QVERIFY(pressed);
        QVERIFY(showReturned);
        QVERIFY(!window->isVisible() && !ending.isLoaded());
        QVERIFY(!d.shown()->isVisible() && !d.form->isLoaded());
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!widget->isVisible());
        QVERIFY(d.boxes.isEmpty());
    }

private:
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestEndingShown)
#include "tst_ending_shown.moc"
