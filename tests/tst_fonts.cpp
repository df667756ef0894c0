// Zubrik: tests of the Japanese font: its choice, its glyphs for every text shown, texts that fit their windows.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "core/Milestones.h"
#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "ending/Form4.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/qt/Application.h"
#include "platform/qt/FontSetup.h"
#include "platform/qt/QtLabel.h"
#include "platform/qt/QtLine.h"
#include "platform/qt/QtToolkit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QHash>
#include <QPainter>
#include <QFontInfo>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QtTest>
#include <memory>

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
        // A run under a font set-up of its own names the family it must reach.
        const QString expected = qEnvironmentVariable("ZUBRIK_EXPECTED_FAMILY");
        if (!expected.isEmpty())
            QCOMPARE(family, expected);
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
        for (const Form *form : { static_cast<Form *>(&main), static_cast<Form *>(&characters),
                                  static_cast<Form *>(&stages), static_cast<Form *>(&ending) }) {
            const QWidget *window = QtToolkit::window(*form);
            shown << Shown { window->font(), window->windowTitle() };
            for (const QLabel *label : window->findChildren<QLabel *>())
                shown << Shown { label->font(), label->text() };
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
                shown << Shown { button->font(), button->text() };
        }
        for (std::int16_t i = 0; i < 4; ++i)
            shown << Shown { QtToolkit::window(characters)->font(), QString::fromStdString(Form2::description(i)) }
                  << Shown { QtToolkit::window(stages)->font(), QString::fromStdString(Form3::description(i)) };
        // Message boxes and the paused button use the default font.
        for (const Milestone &milestone : Milestones::table())
            shown << Shown { QApplication::font(), QString::fromStdString(milestone.prompt) }
                  << Shown { QApplication::font(), QString::fromStdString(milestone.title) };
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

    // Whatever the Japanese font's line height, every text stays inside its
    // label, every label inside its container and its window, every caption
    // inside its button. The counter at its widest, the dialogs in hidden mode
    // (all four names in the window) and every description they can show.
    void everyTextFitsItsWindow_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : { "main", "character select", "stage select", "ending" })
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void everyTextFitsItsWindow()
    {
        QFETCH(QString, window);
        GameState state;
        Form1 main(state);
        state.hiddenMode = 1;
        main.Lbl_count.setCaption("999999");
        std::unique_ptr<Form> other;
        QStringList descriptions;
        if (window == QLatin1String("character select")) {
            other = std::make_unique<Form2>(main);
            for (std::int16_t i = 0; i < 4; ++i)
                descriptions << QString::fromStdString(Form2::description(i));
        } else if (window == QLatin1String("stage select")) {
            other = std::make_unique<Form3>(main);
            for (std::int16_t i = 0; i < 4; ++i)
                descriptions << QString::fromStdString(Form3::description(i));
        } else if (window == QLatin1String("ending")) {
            other = std::make_unique<Form4>(main);
        }
        Form &form = other ? *other : main;
        form.show();
        QWidget &shown = *QtToolkit::window(form);
        QVERIFY(QTest::qWaitForWindowExposed(&shown));

        Label *chara = nullptr;
        for (const auto &control : form.controls())
            if (control->name() == "Chara")
                chara = dynamic_cast<Label *>(control.get());
        descriptions.prepend(chara ? QString::fromStdString(chara->caption()) : QString());
        for (const QString &description : std::as_const(descriptions)) {
            if (chara)
                chara->setCaption(description.toStdString());
            for (const QLabel *label : shown.findChildren<QLabel *>()) {
                checkLabelFits(shown, label);
                if (QTest::currentTestFailed())
                    return;
            }
        }

        // No text reaches across a rule: the rows just under it stay blank.
        const QImage picture = shown.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const QtLine *rule : shown.findChildren<QtLine *>()) {
            const QRect under(rule->x(), rule->geometry().bottom() + 1, rule->width(), 3);
            for (int y = under.top(); y <= under.bottom(); ++y)
                for (int x = under.left(); x <= under.right(); ++x)
                    QVERIFY2(picture.pixel(x, y) == qRgb(255, 255, 255),
                             qPrintable(QStringLiteral("ink at %1, %2 under the rule").arg(x).arg(y)));
        }

        // The expected captions, the pause button's both.
        const QHash<QString, QStringList> captions {
            { QStringLiteral("Cmd_nikusel"), { QStringLiteral("肉選択") } },
            { QStringLiteral("Cmd_jump"), { QStringLiteral("ジャンプ") } },
            { QStringLiteral("Cmd_stgsel"), { QStringLiteral("ステージ選択") } },
            { QStringLiteral("Cmd_pause"), { QStringLiteral("一時停止"), QStringLiteral("再生") } },
            { QStringLiteral("Cmd_replay"), { QStringLiteral("リプレイ") } },
            { QStringLiteral("Command1"), { QStringLiteral("終わります") } },
        };
        for (const QPushButton *button : shown.findChildren<QPushButton *>()) {
            const QStringList expected = captions.value(button->objectName());
            QVERIFY2(!expected.isEmpty(), qPrintable(button->objectName()));
            QCOMPARE(button->text(), expected.first());
            const QRect area = buttonTextArea(button);
            for (const QString &caption : expected) {
                const QRect ink = inkRect(button->font(), area, Qt::AlignCenter, caption);
                QVERIFY2(area.contains(ink), qPrintable(QStringLiteral("%1: ink at %2 of %3")
                                                            .arg(caption, where(ink), where(area))));
            }
        }
    }

private:
    // What a label shows must lie inside every widget up to the window.
    static void checkLabelFits(const QWidget &window, const QLabel *label)
    {
        const QString what = QStringLiteral("%1 \"%2\"").arg(label->objectName(), label->text());
        // A label that sizes itself holds its text: the label must fit. One of
        // a fixed size must hold its text's ink, and that ink must fit.
        QRect inParent = label->rect();
        const auto *sized = qobject_cast<const QtLabel *>(label);
        if (!sized || !sized->model().autoSize()) {
            const QRect area = label->contentsRect();
            inParent = inkRect(label->font(), area, label->alignment(), label->text());
            QVERIFY2(area.contains(inParent), qPrintable(QStringLiteral("%1: ink at %2, label area %3")
                                                             .arg(what, where(inParent), where(area))));
        }
        for (const QWidget *inside = label; inside != &window; inside = inside->parentWidget()) {
            inParent.translate(inside->pos());
            const QWidget *parent = inside->parentWidget();
            QVERIFY2(parent->rect().contains(inParent),
                     qPrintable(QStringLiteral("%1: at %2 of %3, which is %4 x %5")
                                    .arg(what, where(inParent), parent->objectName())
                                    .arg(parent->width()).arg(parent->height())));
        }
    }

    static QString where(const QRect &r)
    {
        return QStringLiteral("x %1 to %2, y %3 to %4").arg(r.left()).arg(r.right() + 1).arg(r.top()).arg(r.bottom() + 1);
    }

    // Where the text puts ink when drawn in the area as a label or a button
    // draws it, but without clipping.
    static QRect inkRect(const QFont &font, const QRect &area, Qt::Alignment alignment, const QString &text)
    {
        constexpr int margin = 40;
        QImage canvas(area.size() + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(margin, margin), area.size()), int(alignment), text);
        painter.end();
        QRect ink;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixel(x, y) != qRgb(255, 255, 255))
                    ink |= QRect(x, y, 1, 1);
        return ink.translated(area.topLeft() - QPoint(margin, margin));
    }
};

int main(int argc, char *argv[])
{
    // The real start-up: scaling policy and fonts exactly as the game sets them.
    Application::setUpScreenScaling();
    Application application(argc, argv); // and with it the Qt toolkit
    TestFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fonts.moc"
