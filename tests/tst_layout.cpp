// Zubrik: the fixed look of the main window and the two selection dialogs: texts, colours, fonts, frame.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/FontSetup.h"

#include <QGroupBox>
#include <QHash>

namespace {

// What a row of a window's table looks at. The colours are read from what the
// widget paints, not from its settings.
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
    if (const auto *label = qobject_cast<const AutoSizeLabel *>(widget))
        return label->caption();
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

QVariant look(QWidget *window, const QString &name, Look what)
{
    QWidget *widget = name.isEmpty() ? window : window->findChild<QWidget *>(name);
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
        QVERIFY(QTest::qWaitForWindowExposed(d.form.get()));
        QFETCH(QString, widget);
        QFETCH(Look, what);
        QFETCH(QVariant, expected);
        QCOMPARE(look(d.form.get(), widget, what), expected);
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

private:
    template<class Dialog>
    static void checkDialog()
    {
        MainWindowDriver d;
        Dialog dialog(*d.form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QFETCH(QString, widget);
        QFETCH(Look, what);
        QFETCH(QVariant, expected);
        QCOMPARE(look(&dialog, widget, what), expected);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
