// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The mailto: addresses handed to the desktop's mail program, and the share
// dialog that copies a text and can put it in a new e-mail.
#include "platform/localization/Localization.h"
#include "platform/ui/MailComposer.h"
#include "platform/ui/ShareDialog.h"
#include "platform/ui/testing/RecordingUrlOpener.h"
#include "support/TestEnvironment.h"
#include "support/WindowInput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

struct MailRow
{
    const char *name;
    platform::MailMessage message;
    const char *address;
};

class MailtoAddress : public ::testing::TestWithParam<MailRow>
{
};

TEST_P(MailtoAddress, EncodesEveryPartSoTheMailProgramReadsItBack)
{
    const QUrl url = platform::MailComposer::mailtoUrl(GetParam().message);
    EXPECT_EQ(url.toEncoded(), QByteArray(GetParam().address));
    // Read back as a mail program reads it: the fields come out whole.
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              GetParam().message.subject);
    QString body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(body, GetParam().message.body);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MailtoAddress,
    ::testing::Values(
        MailRow{"feedback",
                {{QStringLiteral("support@qamarly.org")},
                 QStringLiteral("Qamarly: V1.4.0"),
                 QStringLiteral("Hi")},
                "mailto:support@qamarly.org?subject=Qamarly%3A%20V1.4.0&body=Hi"},
        MailRow{"separators inside the texts",
                {{QStringLiteral("a@b.org")}, QStringLiteral("a&b=c?d#e+f"), QStringLiteral("50% off; 1/2")},
                "mailto:a@b.org?subject=a%26b%3Dc%3Fd%23e%2Bf&body=50%25%20off%3B%201%2F2"},
        MailRow{"Arabic as UTF-8",
                {{QStringLiteral("a@b.org")}, QStringLiteral("قمرلي"), QString()},
                "mailto:a@b.org?subject=%D9%82%D9%85%D8%B1%D9%84%D9%8A"},
        MailRow{
            "lines end in CR LF", {{}, QString(), QStringLiteral("one\ntwo")}, "mailto:?body=one%0D%0Atwo"},
        MailRow{"two recipients",
                {{QStringLiteral("a@b.org"), QStringLiteral("c@d.org")}, QString(), QString()},
                "mailto:a@b.org,c@d.org"}),
    [](const ::testing::TestParamInfo<MailRow> &row) {
        std::string name = row.param.name;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

class ShareDialogTest : public ::testing::Test
{
protected:
    ShareDialogTest() { platform::UrlOpener::install(opener); }
    ~ShareDialogTest() override
    {
        delete host;
        platform::UrlOpener::install(nullptr);
    }

    platform::ShareDialog &share(const QString &text)
    {
        host = new QWidget;
        host->resize(400, 500);
        EXPECT_TRUE(windowinput::showAndExpose(host));
        auto *dialog = new platform::ShareDialog(text);
        dialog->showOver(host);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        return *dialog;
    }

    testenv::ScopedEnvironment env;
    std::shared_ptr<platform::RecordingUrlOpener> opener = std::make_shared<platform::RecordingUrlOpener>();
    QWidget *host = nullptr;
};

TEST_F(ShareDialogTest, WithoutAMailProgramOnlyTheClipboardIsOffered)
{
    opener->onlyOpens({QStringLiteral("https")});
    platform::ShareDialog &dialog = share(QStringLiteral("text"));
    EXPECT_FALSE(dialog.emailButton()->isEnabled());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("text"));
    windowinput::click(dialog.closeButton());
    EXPECT_TRUE(opener->opened.isEmpty());
}

TEST_F(ShareDialogTest, AMailProgramThatFailsToStartIsNotTakenForSent)
{
    opener->succeeds = false;
    platform::ShareDialog &dialog = share(QStringLiteral("text"));
    QPointer<platform::ShareDialog> alive(&dialog);
    windowinput::click(dialog.emailButton());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(alive.isNull());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.statusLabel()->text(), platform::localized("share.mailFailed"));
    dialog.close();
}

} // namespace
