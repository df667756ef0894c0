// Zubrik: a designed window of the game: fixed size, centred, shown modally or not.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QWidget>

class QEventLoop;

class FormWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Border { FixedSingle, None };

    explicit FormWindow(Border border = Border::FixedSingle);
    ~FormWindow() override;

    // The window's width in twips. Decorations lie outside it, so the width is
    // that of the client area.
    float formWidth() const;
    void setFormWidth(float twips);

    // Fixes the window at its current size; call once its design is in place.
    void fixSize();

    // Shows the window modally and returns once it has been unloaded.
    void showModal();

    // Hides the window and ends a modal show of it. Safe to call from the
    // window's own handlers; the window object itself stays until its owner
    // drops it.
    void unload();

    bool isLoaded() const { return m_loaded; }

Q_SIGNALS:
    void unloaded();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void centreOnScreen();

    bool m_loaded = false;
    bool m_centred = false;
    QEventLoop *m_modalLoop = nullptr;
};
