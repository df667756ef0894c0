// Zubrik: tests of the Japanese font: its choice, its glyphs for every text shown, captions that fit.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "core/Milestones.h"
#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "ending/Form4.h"
#include "platform/Application.h"
#include "platform/AutoSizeLabel.h"
#include "platform/CommandButton.h"
#include "platform/FontSetup.h"
#include "ui_Form1.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QtTest>

namespace {

// The characters of the text that the font itself lacks (no fallback font asked).
QString missingGlyphs(const QFont &font, const QString &text)
{
    QFont alone = font;
    alone.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(alone);
    QString missing;
    for (const uint ch : text.toUcs4())
        if (!QChar::isSpace(ch) && ch != '\r' && ch != '\n' && !raw.supportsCharacter(ch))
            missing += QString::fromUcs4(reinterpret_cast<const char32_t *>(&ch), 1);
    return missing;
}

// Where a button draws its caption.
QRect buttonTextArea(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

} // namespace

class TestFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choiceFollowsTheDocumentedOrder_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("writingJapanese");
        QTest::addColumn<QString>("chosen");
        const QString ipa = QStringLiteral("IPAPGothic");
        const QString noto = QStringLiteral("Noto Sans CJK JP");
        const QString other = QStringLiteral("Droid Sans Fallback");
        const QString latin = QStringLiteral("DejaVu Sans");
        QTest::newRow("both") << QStringList { latin, noto, ipa } << QStringList { noto, ipa } << ipa;
        QTest::newRow("Noto only") << QStringList { latin, noto, other } << QStringList { other, noto } << noto;
        QTest::newRow("other Japanese") << QStringList { latin, other } << QStringList { other } << other;
        QTest::newRow("letter case") << QStringList { QStringLiteral("ipapgothic") } << QStringList {} << ipa;
        QTest::newRow("none") << QStringList { latin } << QStringList {} << QString();
    }
    void choiceFollowsTheDocumentedOrder()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, writingJapanese);
        QFETCH(QString, chosen);
        QCOMPARE(FontSetup::chooseFamily(installed, writingJapanese), chosen);
    }

    void designFontResolvesToAnInstalledJapaneseFont()
    {
        const QString family = FontSetup::resolvedFamily();
        QVERIFY2(!family.isEmpty(), "no Japanese font installed");
        QVERIFY(QFontDatabase::families(QFontDatabase::Japanese).contains(family));
        // Both the default font and a font named in a design reach it.
        QCOMPARE(QFontInfo(QApplication::font()).family(), family);
        QCOMPARE(QFontInfo(QFont(FontSetup::designFamily())).family(), family);
        QCOMPARE(QFontInfo(QApplication::font()).pixelSize(), 12);
    }

    void everyTextHasItsGlyphs()
    {
        GameState state;
        state.hiddenMode = 1; // the dialogs then name all four choices
        Form1 main(state);
        Form2 characters(main);
        Form3 stages(main);
        Form4 ending(main);
        struct Shown
        {
            QFont font;
            QString text;
        };
        QList<Shown> shown;
        // Every text the player can read in a window: its title, labels, buttons.
        for (const QWidget *window : { static_cast<QWidget *>(&main), static_cast<QWidget *>(&characters),
                                       static_cast<QWidget *>(&stages), static_cast<QWidget *>(&ending) }) {
            shown << Shown { window->font(), window->windowTitle() };
            for (const QLabel *label : window->findChildren<QLabel *>())
                shown << Shown { label->font(), label->text() };
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
                shown << Shown { button->font(), button->text() };
        }
        for (std::int16_t i = 0; i < 4; ++i)
            shown << Shown { characters.font(), Form2::description(i) }
                  << Shown { stages.font(), Form3::description(i) };
        // Message boxes and the paused button use the default font.
        for (const Milestone &milestone : Milestones::table())
            shown << Shown { QApplication::font(), milestone.prompt }
                  << Shown { QApplication::font(), milestone.title };
        shown << Shown { QApplication::font(), QStringLiteral("再生") };

        int japanese = 0;
        for (const Shown &item : shown) {
            QCOMPARE(QFontInfo(item.font).family(), FontSetup::resolvedFamily());
            const QString missing = missingGlyphs(item.font, item.text);
            QVERIFY2(missing.isEmpty(), qPrintable(item.text + QStringLiteral(": no glyph for ") + missing));
            japanese += item.text.contains(QChar(0x30B8)) ? 1 : 0; // ジ
        }
        QVERIFY(japanese >= 3); // the texts above were really gathered
    }

    void mainWindowCaptionsFitTheirWidgets()
    {
        GameState state;
        Form1 form(state);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const Ui::Form1 &ui = form.widgets();
        ui.Lbl_count->setCaption(QStringLiteral("999999"));

        for (AutoSizeLabel *label : { ui.Label1, ui.Lbl_count }) {
            const QFontMetrics metrics(label->font());
            const QRect area = label->contentsRect();
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= area.width(), qPrintable(label->text()));
            QVERIFY2(metrics.height() <= area.height(), qPrintable(label->text()));
        }
        QCOMPARE(ui.Label1->text(), QStringLiteral(" ジャンプ回数"));

        // The pause button carries either caption.
        const QList<QPair<CommandButton *, QString>> buttons {
            { ui.Cmd_nikusel, ui.Cmd_nikusel->text() }, { ui.Cmd_jump, ui.Cmd_jump->text() },
            { ui.Cmd_stgsel, ui.Cmd_stgsel->text() },   { ui.Cmd_pause, QStringLiteral("一時停止") },
            { ui.Cmd_pause, QStringLiteral("再生") },   { ui.Cmd_replay, ui.Cmd_replay->text() },
        };
        for (const auto &[button, caption] : buttons) {
            const QFontMetrics metrics(button->font());
            const QRect area = buttonTextArea(button);
            QVERIFY2(metrics.horizontalAdvance(caption) <= area.width(), qPrintable(caption));
            QVERIFY2(metrics.height() <= area.height(), qPrintable(caption));
        }
    }
};

int main(int argc, char *argv[])
{
    // The real start-up: scaling policy and fonts exactly as the game sets them.
    Application::setUpScreenScaling();
    Application application(argc, argv);
    TestFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fonts.moc"
