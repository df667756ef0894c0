// Zubrik: answers the game's modal windows while their loops run: message boxes and the ending.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "ending/Form4.h"
#include "platform/CommandButton.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtToolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

// Polls from the event loop, so it acts only inside a modal loop (or exec()).
// A real message box is answered with its OK button; the ending window is
// handed to `inspect` first, then its 終わります is clicked.
class ModalWatch : public QObject
{
public:
    using Inspect = std::function<void(Form4 &ending)>;

    explicit ModalWatch(Inspect inspect = {}) : m_inspect(std::move(inspect))
    {
        m_poll.setInterval(2);
        connect(&m_poll, &QTimer::timeout, this, &ModalWatch::poll);
        m_poll.start();
    }

    // "title | prompt" of each real box answered, in order.
    QStringList boxes;
    int endingsSeen = 0;

    // The ending window if one is on screen.
    static Form4 *shownEnding()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *window = qobject_cast<QtForm *>(widget); window && window->isVisible())
                if (auto *ending = dynamic_cast<Form4 *>(&window->model()))
                    return ending;
        return nullptr;
    }

private:
    void poll()
    {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->windowTitle() + QStringLiteral(" | ") + box->text();
            box->button(QMessageBox::Ok)->click();
            return;
        }
        if (Form4 *ending = shownEnding()) {
            ++endingsSeen;
            if (m_inspect)
                m_inspect(*ending);
            QTest::mouseClick(QtToolkit::widget(ending->Command1), Qt::LeftButton);
        }
    }

    Inspect m_inspect;
    QTimer m_poll;
};
