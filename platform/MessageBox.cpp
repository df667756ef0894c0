// Zubrik: the message box, behind a seam that tests can replace.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

MessageBox::BoxHandler &MessageBox::boxHandler()
{
    static BoxHandler handler;
    return handler;
}

void MessageBox::show(const QString &prompt, const QString &title)
{
    if (boxHandler()) {
        boxHandler()(prompt, title);
        return;
    }
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowIcon(QApplication::windowIcon());
    box.exec();
}

void MessageBox::setBoxHandler(BoxHandler handler)
{
    boxHandler() = std::move(handler);
}
