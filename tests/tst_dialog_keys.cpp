// Zubrik: the selection dialogs' keys as Qt delivers them, the painted focus frame, what a screen reader is offered.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/qt/FontSetup.h"

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>

namespace {

// One opened dialog of either kind, with the controls the tests read.
struct Opened
{
    std::unique_ptr<SelectionDialog> dialog;
    PictureBox *strip;
};

Opened open(const QString &kind, MainWindowDriver &d)
{
    std::unique_ptr<SelectionDialog> dialog;
    if (kind == QLatin1String("character"))
        dialog = std::make_unique<Form2>(*d.form);
    else
        dialog = std::make_unique<Form3>(*d.form);
    PictureBox *strip = &dialog->Picture1;
    return { std::move(dialog), strip };
}

// The centre of choice i in the strip, in pixels, as the designs lay them out.
QPoint centre(const QString &kind, int i)
{
    constexpr int cellX[] = { 8, 120, 232, 345 };
    return kind == QLatin1String("character") ? QPoint(cellX[i] + 46, 6 + 21) : QPoint(134 * i + 66, 40);
}

// The mouse moving over the strip, as the window system reports it.
void mouseOver(const PictureBox &box, QPoint at)
{
    QWidget *strip = native(box);
    QMouseEvent move(QEvent::MouseMove, at, strip->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(strip, &move);
}

void press(QWidget *receiver, const QString &keys)
{
    for (const QString &name : keys.split(QLatin1Char(' ')))
        if (!name.isEmpty())
            QTest::keyClick(receiver, QKeySequence(name)[0].key());
}

// The choice the game holds now, of the dialog's kind.
int chosen(const QString &kind, MainWindowDriver &d)
{
    if (kind == QLatin1String("character"))
        return d.state.charFrameX / 92;
    for (std::int16_t i = 0; i < 4; ++i)
        if (d.form->Bg(i).hDC() == d.state.stageDc)
            return i;
    return -1;
}

// A starting point unlike every choice the keys pick, so that any pick shows.
void startElsewhere(MainWindowDriver &d)
{
    d.state.charFrameX = 92;
    d.state.stageDc = d.form->Bg(1).hDC();
    d.form->FrameCompositor();
}

const QStringList kinds = { QStringLiteral("character"), QStringLiteral("stage") };

} // namespace

class TestDialogKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::install(); }

    // Each key the dialogs take, typed on the focused strip, which has no use
    // for keys: Qt's key, its code, and the way up to the form. A key the form
    // refuses goes on by.
    void keysReachTheDialog_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<short>("hidden");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("marked"); // the dialog still open; -1: picked
        QTest::addColumn<int>("picked"); // -1: still open
        for (const QString &kind : kinds) {
            const QByteArray k = kind.toLatin1() + ": ";
            QTest::newRow(k + "Right") << kind << short(0) << "Right" << 0 << -1;
            QTest::newRow(k + "End Left Left") << kind << short(0) << "End Left Left" << 0 << -1;
            QTest::newRow(k + "Home after End, hidden mode") << kind << short(1) << "End Home" << 0 << -1;
            QTest::newRow(k + "other keys pass by") << kind << short(0) << "Right A Up" << 0 << -1;
            QTest::newRow(k + "Right Return") << kind << short(0) << "Right Return" << -1 << 0;
            QTest::newRow(k + "End Enter") << kind << short(0) << "End Enter" << -1 << 2;
            QTest::newRow(k + "End Space, hidden mode") << kind << short(1) << "End Space" << -1 << 3;
            QTest::newRow(k + "digit 3") << kind << short(0) << "3" << -1 << 2;
        }
    }
    void keysReachTheDialog()
    {
        QFETCH(QString, kind);
        QFETCH(short, hidden);
        QFETCH(QString, keys);
        QFETCH(int, marked);
        QFETCH(int, picked);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        startElsewhere(d);
        Opened opened = open(kind, d);
        opened.dialog->show();
        QWidget *window = native(*opened.dialog);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), native(*opened.strip));
        press(QApplication::focusWidget(), keys);
        QCOMPARE(opened.dialog->isLoaded(), picked < 0);
        if (picked < 0) {
            QCOMPARE(opened.strip->markedChoice(), marked);
            QCOMPARE(chosen(kind, d), 1);
        } else {
            QCOMPARE(chosen(kind, d), picked);
        }
    }

    // Escape cancels whenever the dialog has the keyboard, also while the
    // toolkit still counts the main window as the active one (as it may with
    // no window manager).
    void escapeWhileTheMainWindowIsActive_data()
    {
        QTest::addColumn<QString>("kind");
        for (const QString &kind : kinds)
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void escapeWhileTheMainWindowIsActive()
    {
        QFETCH(QString, kind);
        MainWindowDriver d;
        startElsewhere(d);
        Opened opened = open(kind, d);
        opened.dialog->show();
        d.shown()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.shown()));
        press(native(*opened.strip), QStringLiteral("Right Escape"));
        QVERIFY(!opened.dialog->isLoaded());
        QCOMPARE(chosen(kind, d), 1);
    }

    // The focus frame is painted over the widget, inside the marked cell, and
    // only while the keyboard leads: the mouse takes it away again.
    void focusFrame_data()
    {
        QTest::addColumn<QString>("kind");
        for (const QString &kind : kinds)
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void focusFrame()
    {
        QFETCH(QString, kind);
        MainWindowDriver d;
        Opened opened = open(kind, d);
        opened.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(native(*opened.dialog)));
        const QImage image = MainWindowDriver::toQImage(opened.strip->image());
        auto shown = [&] { return native(*opened.strip)->grab().toImage().convertToFormat(QImage::Format_RGB32); };
        QVERIFY(MainWindowDriver::samePixels(shown(), image));

        press(native(*opened.strip), QStringLiteral("Right Right"));
        const QImage framed = shown();
        const PixelRect marked = opened.strip->choices().at(1).rect;
        const QRect cell(marked.x, marked.y, marked.width, marked.height);
        int inside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (framed.pixel(x, y) != image.pixel(x, y)) {
                    QVERIFY2(cell.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                    ++inside;
                }
        QVERIFY(inside > 0);

        mouseOver(*opened.strip, centre(kind, 0));
        QVERIFY(MainWindowDriver::samePixels(shown(), image));
    }

    // A screen reader is offered the choices on offer and nothing the player
    // cannot see: not the hidden name under the strip, not the picture stores.
    void offered_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<short>("hidden");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("characters") << QStringLiteral("character") << short(0)
                                    << QStringList { "まんが肉", "牛肉", "とり肉" };
        QTest::newRow("characters, hidden mode") << QStringLiteral("character") << short(1)
                                                 << QStringList { "まんが肉", "牛肉", "とり肉", "キン肉" };
        QTest::newRow("stages") << QStringLiteral("stage") << short(0)
                                << QStringList { "平原", "砂漠地帯", "宇宙空間" };
        QTest::newRow("stages, hidden mode") << QStringLiteral("stage") << short(1)
                                             << QStringList { "平原", "砂漠地帯", "宇宙空間", "リング" };
    }
    void offered()
    {
        QFETCH(QString, kind);
        QFETCH(short, hidden);
        QFETCH(QStringList, items);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Opened opened = open(kind, d);
        opened.dialog->show();
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(native(*opened.strip));
        QCOMPARE(list->role(), QAccessible::List);
        QStringList names;
        for (int i = 0; i < list->childCount(); ++i) {
            names << list->child(i)->text(QAccessible::Name);
            QCOMPARE(list->indexOfChild(list->child(i)), i);
        }
        QCOMPARE(names, items);

        QStringList said;
        QAccessibleInterface *form = QAccessible::queryAccessibleInterface(native(*opened.dialog));
        for (int i = 0; i < form->childCount(); ++i)
            said << form->child(i)->text(QAccessible::Name);
        // The fourth name label lies outside the window until it is offered.
        QCOMPARE(said.contains(QString::fromStdString(opened.dialog->Label1(3).caption())), hidden == 1);

        QAccessibleInterface *main = QAccessible::queryAccessibleInterface(d.shown());
        QCOMPARE(main->role(), QAccessible::Window);
        QCOMPARE(main->childCount(), 8); // five buttons, two labels, the stage picture
        for (int i = 0; i < main->childCount(); ++i)
            QVERIFY(!main->child(i)->state().invisible);
    }

private:
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestDialogKeys)
#include "tst_dialog_keys.moc"
