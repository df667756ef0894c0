// Zubrik: tests of the ending window: what it shows, how the staff roll lines up, the way out.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"
#include "ending/Form4.h"
#include "ui_Form4.h"
#include "platform/FontSetup.h"
#include "platform/ImageBox.h"
#include "platform/Twips.h"

#include <QSignalSpy>
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

QImage grabbed(QWidget &window)
{
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestEnding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The fonts as the game sets them up: the design family on IPA P Gothic.
    void initTestCase() { FontSetup::install(); }

    void staffRollTexts()
    {
        const Form4::StaffRoll roll = Form4::staffRoll();
        const QStringList roles = roll.roles.split(crlf);
        const QStringList people = roll.people.split(crlf);
        QCOMPARE(roles.mid(0, 11),
                 (QStringList { "スタッフ", "", "企画：", "デザイン：", "グラフィック：", "プログラム：",
                                "デバッグ：", "", "スペシャルサンクス：", "", "制作・著作：" }));
        QCOMPARE(roles.size(), 12);
        QVERIFY(roles[11].contains(QStringLiteral("Zubrik")));
        QCOMPARE(people.size(), 9);
        for (int line : { 0, 1, 7 })
            QVERIFY(people[line].isEmpty());
        for (int line : { 2, 3, 4, 5, 6, 8 }) {
            QVERIFY(!people[line].isEmpty());
            QVERIFY(roles[line].endsWith(QChar(0xFF1A)));
        }
        // Lines are joined, never ended, by CR LF; no bare LF or CR.
        for (const QString &text : { roll.roles, roll.people }) {
            QVERIFY(!text.endsWith(crlf));
            QCOMPARE(text.count(QLatin1Char('\n')), text.count(crlf));
            QCOMPARE(text.count(QLatin1Char('\r')), text.count(crlf));
        }
    }

    void showsTitleVersionRuleAndIcon()
    {
        MainWindowDriver d;
        Form4 ending(*d.form);
        ending.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ending));
        const Ui::Form4 &ui = ending.widgets();

        QVERIFY(ending.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(ending.windowTitle(), QStringLiteral("Zubrik"));
        QCOMPARE(ui.Label2->caption(), QStringLiteral("Zubrik"));
        QCOMPARE(ui.Label2->font().pixelSize(), 27); // 20.25 pt at 96 dpi
        QCOMPARE(ui.Label2->font().weight(), QFont::Normal);
        QCOMPARE(ui.Label3->caption(), QStringLiteral("Ver. 3.1415.9265"));
        QCOMPARE(ui.Command1->text(), QStringLiteral("終わります"));
        const QRect screen = ending.screen()->availableGeometry();
        QVERIFY((ending.geometry().center() - screen.center()).manhattanLength() <= 2);

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
        const QImage icon = QImage(QStringLiteral(":/pictures/icon48.png")).convertToFormat(QImage::Format_RGB32);
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
        for (QWidget *widget : ending.findChildren<QWidget *>())
            QCOMPARE(widget->focusPolicy() != Qt::NoFocus, widget == ending.widgets().Command1);
        ending.show();
        QVERIFY(QTest::qWaitForWindowActive(&ending));
        QCOMPARE(QApplication::focusWidget(), ending.widgets().Command1);
    }

    // Both columns start at the same top in the same font: each line of the
    // people's column prints on exactly the rows of the same line of the roles.
    void columnsLineUpRowForRow()
    {
        MainWindowDriver d;
        Form4 ending(*d.form);
        AutoSizeLabel *roles = ending.Label1(0);
        AutoSizeLabel *people = ending.Label1(1);
        QCOMPARE(people->y(), roles->y());
        QCOMPARE(people->font(), roles->font());
        QCOMPARE(roles->height() * 9, people->height() * 12); // same height per line

        // Same texts in both columns (the roles' column ending in a long line,
        // so the two do not meet): then the rows of ink must be the same.
        const QStringList rows = Form4::staffRoll().roles.split(crlf);
        const QString probe = rows.mid(0, 9).join(crlf);
        ending.showStaffRoll({ probe + crlf + crlf + crlf + QString(20, QChar(0x2500)), probe });
        ending.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ending));
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

    void peopleStartRightOfEveryRole()
    {
        MainWindowDriver d;
        Form4 ending(*d.form);
        const QFontMetrics metrics(ending.Label1(0)->font());
        const QStringList roles = Form4::staffRoll().roles.split(crlf);
        for (int line = 0; line < 9; ++line)
            QVERIFY2(ending.Label1(0)->x() + metrics.horizontalAdvance(roles[line]) < ending.Label1(1)->x(),
                     qPrintable(roles[line]));
        const QString credit = roles.last();
        QVERIFY(ending.Label1(0)->x() + metrics.horizontalAdvance(credit) <= ending.width());
    }

    void peopleColumnFollowsTheMeasuredWidth()
    {
        MainWindowDriver d;
        Form4 ending(*d.form);
        AutoSizeLabel *roles = ending.Label1(0);
        AutoSizeLabel *people = ending.Label1(1);
        QCOMPARE(Twips::left(people), Twips::left(roles) + Twips::width(roles) - 700);
        QVERIFY(Twips::width(roles) > 4 * 15);
        const float leftBefore = Twips::left(people);
        const float widthBefore = Twips::width(roles);

        Form4::StaffRoll longer = Form4::staffRoll();
        longer.roles += QStringLiteral(" と仲間たち");
        ending.showStaffRoll(longer);
        const float grown = Twips::width(roles) - widthBefore;
        QVERIFY(grown > 0);
        QCOMPARE(Twips::left(people) - leftBefore, grown);
        QCOMPARE(people->caption(), longer.people);
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

    // Run under the application's own loop, as the game runs: closing both
    // windows leaves none open, and that ends the loop with status 0.
    void endingClosesBothWindowsAndQuits()
    {
        QFETCH(bool, byButton);
        MainWindowDriver d;
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        Form4 ending(*d.form);
        bool pressed = false;
        bool showReturned = false;
        QTimer::singleShot(0, &ending, [&] { ending.showModal(); showReturned = true; });
        QTimer::singleShot(0, &ending, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&ending));
            QVERIFY(d.form->isVisible());
            QCOMPARE(QApplication::focusWidget(), ending.widgets().Command1);
            if (byButton)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                ending.windowHandle()->close(); // as the platform delivers a desktop's request
            pressed = true;
        });
        // Should the game not quit, the loop still ends, with another status.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [&] {
            ending.unload();
            QCoreApplication::exit(2);
        });
        guard.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(pressed);
        QVERIFY(showReturned);
        QVERIFY(!ending.isVisible() && !ending.isLoaded());
        QVERIFY(!d.form->isVisible() && !d.form->isLoaded());
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!widget->isVisible());
        QVERIFY(d.boxes.isEmpty());
        QCOMPARE(lastClosed.size(), 1);
    }
};

QTEST_MAIN(TestEnding)
#include "tst_ending.moc"
