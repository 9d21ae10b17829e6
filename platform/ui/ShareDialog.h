// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace platform {

// Shares a text the desktop way: it is on the clipboard as soon as the
// dialog shows, ready to paste anywhere, and one button puts it in a new
// e-mail. Window-modal over the window it is shown from, never blocking the
// event loop; it deletes itself when closed.
class ShareDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ShareDialog(const QString &text, QWidget *parent = nullptr);

    QString text() const { return text_; }
    // Copies the text and shows the dialog over `over`'s window.
    void showOver(QWidget *over);

    QPushButton *emailButton() const { return emailButton_; }
    QPushButton *closeButton() const { return closeButton_; }
    QLabel *statusLabel() const { return statusLabel_; }

private:
    void sendByEmail();

    QString text_;
    QLabel *statusLabel_;
    QPlainTextEdit *textView_;
    QPushButton *emailButton_;
    QPushButton *closeButton_;
};

} // namespace platform
