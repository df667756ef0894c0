// Zubrik: the fixed look of the main window and the two selection dialogs: texts, colours, fonts, frame.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "ending/Form4.h"
#include "platform/Frame.h"
#include "platform/qt/FontSetup.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

// What a row of a window's table looks at, both in the form made from its
// design and on the Qt window built from that. On the window, the colours are
// read from what the widget paints, not from its settings.
enum class Look {
    Text,        // a caption, a button's text, a frame's title; the window's title with no widget
    Background,  // the colour that most of the painted widget shows
    Foreground,  // the text colour
    Bold,
    PixelSize,   // of the font
    RightAligned,
    TabOrder,    // the captions that Tab visits from the focus at start, joined with "|"
    FixedFrame,  // "fixed" when the size cannot change and the title bar offers neither minimise nor maximise
};

QRgb dominantColour(QWidget *widget)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb best = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(best))
            best = it.key();
    return best;
}

QString textOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return widget->windowTitle();
}

QString tabOrder(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return QStringLiteral("window not active");
    QStringList visited;
    for (int step = 0; step < 5; ++step) {
        visited << textOf(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return visited.join(QLatin1Char('|'));
}

// The control a row names, "Name" or "Name_i" for an array's element.
const Control *controlNamed(const Form &form, const QString &name)
{
    for (const auto &control : form.controls()) {
        QString full = QString::fromStdString(control->name());
        if (control->index() >= 0)
            full += QLatin1Char('_') + QString::number(control->index());
        if (full == name)
            return control.get();
    }
    return nullptr;
}

QColor colour(const Color &c)
{
    return QColor(c.red, c.green, c.blue);
}

QString captionOf(const Control &control)
{
    if (const auto *label = dynamic_cast<const Label *>(&control))
        return QString::fromStdString(label->caption());
    if (const auto *button = dynamic_cast<const CommandButton *>(&control))
        return QString::fromStdString(button->caption());
    if (const auto *frame = dynamic_cast<const Frame *>(&control))
        return QString::fromStdString(frame->caption());
    return QStringLiteral("no caption");
}

// The look as the form's properties give it: what its design made it, with
// what its load wrote.
QVariant modelLook(const Form &form, const QString &name, Look what)
{
    if (name.isEmpty()) {
        switch (what) {
        case Look::Text:
            return QString::fromStdString(form.caption());
        case Look::Background:
            return form.backColor() ? QVariant(colour(*form.backColor())) : QStringLiteral("the window colour");
        case Look::FixedFrame:
            // Every window of the game keeps its designed size.
            return form.border() == FormBorder::FixedSingle ? QStringLiteral("fixed") : QStringLiteral("no frame");
        default:
            return QStringLiteral("not a look of a form");
        }
    }
    const Control *control = controlNamed(form, name);
    if (!control)
        return QStringLiteral("no control %1").arg(name);
    const auto *label = dynamic_cast<const Label *>(control);
    switch (what) {
    case Look::Text:
        return captionOf(*control);
    case Look::Background:
        if (label && label->backColor())
            return colour(*label->backColor());
        return QStringLiteral("transparent");
    case Look::Foreground:
        if (label && label->foreColor())
            return colour(*label->foreColor());
        return QStringLiteral("the window text colour");
    case Look::Bold:
        return control->font().bold;
    case Look::PixelSize:
        return int(std::lround(control->font().points * 4 / 3)); // as on a 96-dpi screen
    case Look::RightAligned:
        return label && label->alignment() == Alignment::Right;
    case Look::TabOrder: {
        // The captions Tab visits from this control, round the design's order.
        const std::vector<std::string> &order = form.tabOrder();
        auto at = std::find(order.begin(), order.end(), control->fullName());
        if (at == order.end())
            return QStringLiteral("%1 not in the tab order").arg(name);
        QStringList visited;
        for (int step = 0; step < 5; ++step) {
            visited << captionOf(form.control(*at));
            if (++at == order.end())
                at = order.begin();
        }
        return visited.join(QLatin1Char('|'));
    }
    case Look::FixedFrame:
        return QStringLiteral("not a look of a control");
    }
    return {};
}

// The look as the Qt window shows it.
QVariant look(const Form &form, const QString &name, Look what)
{
    QWidget *window = QtToolkit::window(form);
    const Control *control = name.isEmpty() ? nullptr : controlNamed(form, name);
    QWidget *widget = name.isEmpty() ? window : control ? QtToolkit::widget(*control) : nullptr;
    if (!widget)
        return QStringLiteral("no widget %1").arg(name);
    switch (what) {
    case Look::Text:
        return textOf(widget);
    case Look::Background:
        return QColor(dominantColour(widget));
    case Look::Foreground:
        return widget->palette().color(widget->foregroundRole());
    case Look::Bold:
        return widget->font().weight() == QFont::Bold;
    case Look::PixelSize:
        return widget->font().pixelSize();
    case Look::RightAligned:
        return bool(qobject_cast<QLabel *>(widget)->alignment() & Qt::AlignRight);
    case Look::TabOrder:
        return tabOrder(widget);
    case Look::FixedFrame: {
        const Qt::WindowFlags flags = widget->windowFlags();
        const bool fixed = widget->minimumSize() == widget->maximumSize()
            && flags.testFlag(Qt::CustomizeWindowHint) && !flags.testFlag(Qt::WindowMinimizeButtonHint)
            && !flags.testFlag(Qt::WindowMaximizeButtonHint);
        return fixed ? QStringLiteral("fixed") : QStringLiteral("resizable or with more buttons");
    }
    }
    return {};
}

void columns()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<Look>("what");
    QTest::addColumn<QVariant>("expected");
}

void row(const char *tag, const char *widget, Look what, const QVariant &expected)
{
    QTest::newRow(tag) << QString::fromLatin1(widget) << what << expected;
}

// Rows that both selection dialogs share, with their own title and hint.
void selectionDialogRows(const QString &title, const QString &hint)
{
    row("window title", "", Look::Text, title);
    row("fixed, no minimise or maximise", "", Look::FixedFrame, QStringLiteral("fixed"));
    row("white background", "", Look::Background, QColor(255, 255, 255));
    row("title", "Label2", Look::Text, title);
    row("title bold", "Label2", Look::Bold, true);
    row("title 15.75 pt", "Label2", Look::PixelSize, 21);
    row("hint", "Label3", Look::Text, hint);
    row("hint red", "Label3", Look::Foreground, QColor(255, 0, 0));
    row("frame", "Frame1", Look::Text, QStringLiteral("特徴"));
}

} // namespace

Q_DECLARE_METATYPE(Look)

class TestLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::install(); }

    void mainWindow_data()
    {
        columns();
        row("title", "", Look::Text, QStringLiteral("Zubrik"));
        row("fixed, no minimise or maximise", "", Look::FixedFrame, QStringLiteral("fixed"));
        row("tab order", "Cmd_jump", Look::TabOrder,
            QStringLiteral("ジャンプ|肉選択|ステージ選択|リプレイ|一時停止"));
        row("jump", "Cmd_jump", Look::Text, QStringLiteral("ジャンプ"));
        row("character select", "Cmd_nikusel", Look::Text, QStringLiteral("肉選択"));
        row("stage select", "Cmd_stgsel", Look::Text, QStringLiteral("ステージ選択"));
        row("pause", "Cmd_pause", Look::Text, QStringLiteral("一時停止"));
        row("replay", "Cmd_replay", Look::Text, QStringLiteral("リプレイ"));
        row("counter caption", "Label1", Look::Text, QStringLiteral(" ジャンプ回数"));
        row("counter caption light yellow", "Label1", Look::Background, QColor(255, 255, 192));
        row("counter", "Lbl_count", Look::Text, QStringLiteral("0"));
        row("counter light green", "Lbl_count", Look::Background, QColor(192, 255, 192));
        row("counter bold", "Lbl_count", Look::Bold, true);
        row("counter 9 pt", "Lbl_count", Look::PixelSize, 12);
        row("counter right-aligned", "Lbl_count", Look::RightAligned, true);
    }
    void mainWindow()
    {
        MainWindowDriver d;
        QVERIFY(QTest::qWaitForWindowExposed(d.shown()));
        QFETCH(QString, widget);
        QFETCH(Look, what);
        QFETCH(QVariant, expected);
        QCOMPARE(modelLook(*d.form, widget, what), expected);
        QCOMPARE(look(*d.form, widget, what), expected);
    }

    void characterSelect_data()
    {
        columns();
        selectionDialogRows(QStringLiteral("肉選択"), QStringLiteral("＊肉の絵をクリックすると選択されます。"));
        row("instruction", "Label4", Look::Text, QStringLiteral("肉を選んで下さい。"));
        row("prompt", "Chara", Look::Text, QStringLiteral("肉を選択して下さい。"));
        row("name 0", "Label1_0", Look::Text, QStringLiteral("まんが肉"));
        row("name 1", "Label1_1", Look::Text, QStringLiteral("牛肉"));
        row("name 2", "Label1_2", Look::Text, QStringLiteral("とり肉"));
        row("name 3", "Label1_3", Look::Text, QStringLiteral("キン肉"));
    }
    void characterSelect() { checkDialog<Form2>(); }

    void stageSelect_data()
    {
        columns();
        selectionDialogRows(QStringLiteral("ステージ選択"), QStringLiteral("＊ステージをクリックすると選択されます。"));
        row("prompt", "Chara", Look::Text, QStringLiteral("ステージを選択して下さい。"));
        row("name 0", "Label1_0", Look::Text, QStringLiteral("平原"));
        row("name 1", "Label1_1", Look::Text, QStringLiteral("砂漠地帯"));
        row("name 2", "Label1_2", Look::Text, QStringLiteral("宇宙空間"));
        row("name 3", "Label1_3", Look::Text, QStringLiteral("リング"));
    }
    void stageSelect() { checkDialog<Form3>(); }

    // The window as built: each control's widget lies in its frame's widget,
    // or in the window, at the control's place, in hidden mode's widths too.
    void everyWidgetStandsAtItsControlsPlace_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : { "main", "character select", "stage select", "ending" })
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void everyWidgetStandsAtItsControlsPlace()
    {
        QFETCH(QString, window);
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        std::unique_ptr<Form> other;
        if (window == QLatin1String("character select"))
            other = std::make_unique<Form2>(*d.form);
        else if (window == QLatin1String("stage select"))
            other = std::make_unique<Form3>(*d.form);
        else if (window == QLatin1String("ending"))
            other = std::make_unique<Form4>(*d.form);
        const Form &form = other ? *other : *d.form;
        for (const auto &control : form.controls()) {
            const QWidget *widget = QtToolkit::widget(*control);
            const QString name = QString::fromStdString(control->fullName());
            const Control *frame = control->container();
            QCOMPARE(widget->parentWidget(), frame ? QtToolkit::widget(*frame) : QtToolkit::window(form));
            const PixelRect rect = control->pixelRect();
            QVERIFY2(widget->geometry() == QRect(rect.x, rect.y, rect.width, rect.height), qPrintable(name));
        }
    }

private:
    template<class Dialog>
    static void checkDialog()
    {
        MainWindowDriver d;
        Dialog dialog(*d.form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(QtToolkit::window(dialog)));
        QFETCH(QString, widget);
        QFETCH(Look, what);
        QFETCH(QVariant, expected);
        QCOMPARE(modelLook(dialog, widget, what), expected);
        QCOMPARE(look(dialog, widget, what), expected);
    }

    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
