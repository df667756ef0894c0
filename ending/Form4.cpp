// Zubrik: the ending window: title, version, the staff roll and the way out.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "ending/Form4.h"

#include "platform/FontSetup.h"
#include "platform/Handler.h"
#include "platform/Twips.h"
#include "platform/WidgetArray.h"
#include "ui_Form4.h"

#include <QStringList>
#include <array>
#include <utility>

namespace {

// Every text of this window.
struct Texts
{
    QString caption = QStringLiteral(ZUBRIK_PRODUCT_NAME);
    QString title = QStringLiteral(ZUBRIK_PRODUCT_NAME);
    QString version = QStringLiteral("Ver. " ZUBRIK_VERSION);
    QString quit = QStringLiteral("終わります");
    // One row per line of the roll: the role, and whom it credits. The
    // people's column ends with the last credited line. The credit line is the
    // widest, and its width places the people's column: it must be long enough
    // for that column to clear every role name.
    std::array<std::pair<QString, QString>, 12> roll {{
        { QStringLiteral("スタッフ"), {} },
        { {}, {} },
        { QStringLiteral("企画："), QStringLiteral("Zubrik 開発チーム") },
        { QStringLiteral("デザイン："), QStringLiteral("Zubrik 開発チーム") },
        { QStringLiteral("グラフィック："), QStringLiteral("Zubrik 開発チーム") },
        { QStringLiteral("プログラム："), QStringLiteral("Zubrik 開発チーム") },
        { QStringLiteral("デバッグ："), QStringLiteral("Zubrik 開発チーム") },
        { {}, {} },
        { QStringLiteral("スペシャルサンクス："), QStringLiteral("遊んでくれたあなた") },
        { {}, {} },
        { QStringLiteral("制作・著作："), {} },
        { QStringLiteral("Copyright © 2026 Zubrik 開発チーム"), {} },
    }};
};

const Texts &texts()
{
    static const Texts all;
    return all;
}

const QString crlf = QStringLiteral("\r\n");

} // namespace

Form4::StaffRoll Form4::staffRoll()
{
    QStringList roles;
    QStringList people;
    for (const auto &[role, person] : texts().roll) {
        roles << role;
        people << person;
    }
    while (!people.isEmpty() && people.constLast().isEmpty())
        people.removeLast();
    return { roles.join(crlf), people.join(crlf) };
}

Form4::Form4(FormWindow &mainWindow)
    : FormWindow(Border::None), m_mainWindow(mainWindow), m_ui(std::make_unique<Ui::Form4>())
{
    m_ui->setupUi(this);
    // A design file keeps only whole points; the title is set at its designed size here.
    QFont titleFont = m_ui->Label2->font();
    titleFont.setPointSizeF(titlePoints);
    m_ui->Label2->setFont(titleFont);
    FontSetup::applyPixelSizes(this);

    setWindowTitle(texts().caption);
    m_ui->Label2->setCaption(texts().title);
    m_ui->Label3->setCaption(texts().version);
    m_ui->Command1->setText(texts().quit);
    Handler::connect(m_ui->Command1, &QPushButton::clicked, this, &Form4::Command1_Click);

    Form_Load();
    fixSize();
    m_ui->Command1->setFocus();
}

Form4::~Form4() = default;

AutoSizeLabel *Form4::Label1(std::int16_t index) const
{
    return WidgetArray::at(std::array<AutoSizeLabel *, 2> { m_ui->Label1_0, m_ui->Label1_1 }, index);
}

void Form4::Form_Load()
{
    showStaffRoll(staffRoll());
}

void Form4::showStaffRoll(const StaffRoll &roll)
{
    Label1(0)->setCaption(roll.roles);
    Twips::setLeft(Label1(1), Twips::left(Label1(0)) + Twips::width(Label1(0)) - columnOverlap);
    Label1(1)->setCaption(roll.people);
}

void Form4::Command1_Click()
{
    close();
}

// The window has no close box, but a desktop can still ask it to close (a
// close key, its window list, a logout) and may not take no for an answer: a
// request ends the game as 終わります does.
void Form4::closeEvent(QCloseEvent *event)
{
    // The main window goes too, unloaded rather than closed, since a window
    // under a modal one takes no close; this window is then the last to
    // close, and the application quits. Its modal show returns once it has
    // closed.
    m_mainWindow.unload();
    FormWindow::closeEvent(event);
}
