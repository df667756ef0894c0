// Zubrik: the selection dialogs by keyboard, against the mouse on the same dialogs; what a screen reader is offered.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "DialogDriver.h"
#include "MainWindowDriver.h"

#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/qt/FontSetup.h"

#include <QAccessible>
#include <QKeySequence>
#include <QMouseEvent>

namespace {

QWidget *native(const Control &control) { return QtToolkit::widget(control); }
QWidget *native(const Form &form) { return QtToolkit::window(form); }

// One opened dialog of either kind, with the controls the tests read.
struct Opened
{
    std::unique_ptr<SelectionDialog> dialog;
    PictureBox *strip;
    Label *chara;

    QString caption() const { return QString::fromStdString(chara->caption()); }
};

Opened open(const QString &kind, MainWindowDriver &d)
{
    std::unique_ptr<SelectionDialog> dialog;
    if (kind == QLatin1String("character"))
        dialog = std::make_unique<Form2>(*d.form);
    else
        dialog = std::make_unique<Form3>(*d.form);
    PictureBox *strip = &dialog->Picture1;
    Label *chara = &dialog->Chara;
    return { std::move(dialog), strip, chara };
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

void press(QWidget *dialog, const QString &keys)
{
    for (const QString &name : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QTest::keyClick(dialog, QKeySequence(name)[0].key());
}

// What a pick leaves in the game: the choices and the main picture.
struct Outcome
{
    std::int32_t charFrameX;
    double gravity;
    int stage;
    double launchSpeed;
    QImage frame;
    bool open;
};

Outcome outcome(MainWindowDriver &d, const Opened &opened)
{
    int stage = -1;
    for (std::int16_t i = 0; i < 4; ++i)
        if (d.form->Bg(i).hDC() == d.state.stageDc)
            stage = i;
    return { d.state.charFrameX, d.state.gravity, stage, d.state.launchSpeed, d.frame(),
             opened.dialog->isLoaded() };
}

// A starting point unlike every choice, so that any pick changes the picture.
void startElsewhere(MainWindowDriver &d)
{
    d.state.charFrameX = 92;
    d.state.stageDc = d.form->Bg(1).hDC();
    d.form->FrameCompositor();
}

void addKinds()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<short>("hidden");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("cell"); // -1: none
}

} // namespace

class TestDialogKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::install(); }

    void hover_data()
    {
        addKinds();
        for (const QString &kind : { QStringLiteral("character"), QStringLiteral("stage") }) {
            const QByteArray k = kind.toLatin1() + ": ";
            QTest::newRow(k + "no key yet") << kind << short(0) << QString() << -1;
            QTest::newRow(k + "Right starts at the first") << kind << short(0) << "Right" << 0;
            QTest::newRow(k + "Left starts at the first") << kind << short(0) << "Left" << 0;
            QTest::newRow(k + "Right stops at the third") << kind << short(0) << "Right Right Right Right" << 2;
            QTest::newRow(k + "End, hidden mode") << kind << short(1) << "End" << 3;
            QTest::newRow(k + "End Left Left") << kind << short(0) << "End Left Left" << 0;
            QTest::newRow(k + "Home after End") << kind << short(1) << "End Home" << 0;
            QTest::newRow(k + "other keys pass by") << kind << short(0) << "Right A Up" << 0;
        }
    }
    // The keyboard's hover shows what the mouse shows over the same choice.
    void hover()
    {
        QFETCH(QString, kind);
        QFETCH(short, hidden);
        QFETCH(QString, keys);
        QFETCH(int, cell);
        MainWindowDriver keyboard;
        keyboard.state.hiddenMode = hidden;
        Opened byKeys = open(kind, keyboard);
        byKeys.dialog->show();
        const QString prompt = byKeys.caption();
        press(native(*byKeys.dialog), keys);
        QCOMPARE(byKeys.strip->markedChoice(), cell);

        MainWindowDriver mouse;
        mouse.state.hiddenMode = hidden;
        Opened byMouse = open(kind, mouse);
        if (cell >= 0)
            mouseOver(*byMouse.strip, centre(kind, cell));
        QCOMPARE(byKeys.caption(), cell < 0 ? prompt : byMouse.caption());
        QVERIFY(byKeys.dialog->isLoaded());
        QCOMPARE(keyboard.state.charFrameX, 0);
        QCOMPARE(keyboard.state.stageDc, keyboard.form->Bg(0).hDC());
    }

    void pick_data()
    {
        addKinds();
        for (const QString &kind : { QStringLiteral("character"), QStringLiteral("stage") }) {
            const QByteArray k = kind.toLatin1() + ": ";
            QTest::newRow(k + "Right Return") << kind << short(0) << "Right Return" << 0;
            QTest::newRow(k + "End Enter") << kind << short(0) << "End Enter" << 2;
            QTest::newRow(k + "Right Right Right Right Space") << kind << short(1) << "Right Right Right Right Space" << 3;
            QTest::newRow(k + "End Space, hidden mode") << kind << short(1) << "End Space" << 3;
            QTest::newRow(k + "digit 3") << kind << short(0) << "3" << 2;
            QTest::newRow(k + "digit 4, hidden mode") << kind << short(1) << "4" << 3;
            QTest::newRow(k + "digit 4 not offered") << kind << short(0) << "4" << -1;
            QTest::newRow(k + "Return before any arrow") << kind << short(0) << "Return Space" << -1;
        }
    }
    // A pick by keyboard leaves the game as a click on the same choice does.
    void pick()
    {
        QFETCH(QString, kind);
        QFETCH(short, hidden);
        QFETCH(QString, keys);
        QFETCH(int, cell);
        MainWindowDriver keyboard;
        keyboard.state.hiddenMode = hidden;
        startElsewhere(keyboard);
        const QImage before = keyboard.frame();
        Opened byKeys = open(kind, keyboard);
        byKeys.dialog->show();
        press(native(*byKeys.dialog), keys);
        const Outcome got = outcome(keyboard, byKeys);

        MainWindowDriver mouse;
        mouse.state.hiddenMode = hidden;
        startElsewhere(mouse);
        Opened byMouse = open(kind, mouse);
        byMouse.dialog->show();
        if (cell >= 0)
            QTest::mouseClick(native(*byMouse.strip), Qt::LeftButton, {}, centre(kind, cell));
        const Outcome wanted = outcome(mouse, byMouse);

        QCOMPARE(got.open, cell < 0);
        QCOMPARE(got.open, wanted.open);
        QCOMPARE(got.charFrameX, wanted.charFrameX);
        QCOMPARE(got.gravity, wanted.gravity);
        QCOMPARE(got.stage, wanted.stage);
        QCOMPARE(got.launchSpeed, wanted.launchSpeed);
        QVERIFY(MainWindowDriver::samePixels(got.frame, wanted.frame));
        QCOMPARE(MainWindowDriver::samePixels(got.frame, before), cell < 0);
    }

    // Escape goes the way of the other keys: it cancels whenever the dialog
    // has the keyboard, also while the toolkit still counts another window as
    // the active one (as it may with no window manager).
    void escape_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("active");
        for (const QString &kind : { QStringLiteral("character"), QStringLiteral("stage") }) {
            QTest::newRow(qPrintable(kind + QStringLiteral(", dialog active"))) << kind << true;
            QTest::newRow(qPrintable(kind + QStringLiteral(", main window active"))) << kind << false;
        }
    }
    void escape()
    {
        QFETCH(QString, kind);
        QFETCH(bool, active);
        MainWindowDriver d;
        startElsewhere(d);
        const QImage before = d.frame();
        Opened opened = open(kind, d);
        opened.dialog->show();
        QWidget *activeWindow = active ? native(*opened.dialog) : d.shown();
        activeWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(activeWindow));
        press(native(*opened.strip), QStringLiteral("Right Escape"));
        QVERIFY(!opened.dialog->isLoaded());
        QCOMPARE(d.state.charFrameX, 92);
        QCOMPARE(d.state.stageDc, d.form->Bg(1).hDC());
        QVERIFY(MainWindowDriver::samePixels(d.frame(), before));
    }

    // The focus frame lies over the widget, never in the strip's image, and
    // only while the keyboard leads: the mouse takes it away again.
    void focusFrame_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("character") << QStringLiteral("character");
        QTest::newRow("stage") << QStringLiteral("stage");
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

        press(native(*opened.dialog), QStringLiteral("Right Right"));
        QVERIFY(MainWindowDriver::samePixels(opened.strip->image(), image));
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
        QCOMPARE(opened.strip->markedChoice(), -1);
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
