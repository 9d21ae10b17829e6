// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Which installed application opens an address scheme, read from desktop
// files and mimeapps.list in folders of the test's own.
#include "platform/ui/linux/DesktopSchemeHandlers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct File
{
    const char *path; // below the temporary root
    const char *text;
};

constexpr const char *mailClient = "[Desktop Entry]\nType=Application\nName=Mail\nExec=mail %u\n"
                                   "MimeType=text/plain;x-scheme-handler/mailto;\n";
constexpr const char *otherMailClient = "[Desktop Entry]\nType=Application\nName=Other\nExec=other %u\n"
                                        "MimeType=x-scheme-handler/mailto;\n";
constexpr const char *hiddenMailClient = "[Desktop Entry]\nType=Application\nName=Gone\nExec=gone %u\n"
                                         "Hidden=true\nMimeType=x-scheme-handler/mailto;\n";
constexpr const char *noCommand = "[Desktop Entry]\nType=Application\nName=Broken\n"
                                  "MimeType=x-scheme-handler/mailto;\n";
constexpr const char *dbusMailClient = "[Desktop Entry]\nType=Application\nName=Bus\nDBusActivatable=true\n"
                                       "MimeType=x-scheme-handler/mailto;\n";
constexpr const char *wrongGroup =
    "[Desktop Action compose]\nExec=mail %u\nMimeType=x-scheme-handler/mailto;\n"
    "[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer\n";

struct Row
{
    const char *name;
    std::vector<File> files;
    const char *scheme;
    const char *handler; // "" for none
};

class SchemeHandlers : public ::testing::TestWithParam<Row>
{
};

TEST_P(SchemeHandlers, FindTheApplicationTheDesktopWouldStart)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    for (const File &file : GetParam().files) {
        const QString path = root.path() + QLatin1Char('/') + QString::fromLatin1(file.path);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.text);
    }
    platform::XdgFolders folders;
    folders.configHome = root.path() + QStringLiteral("/config");
    folders.configDirs = {root.path() + QStringLiteral("/etc/xdg")};
    folders.dataHome = root.path() + QStringLiteral("/data");
    folders.dataDirs = {root.path() + QStringLiteral("/usr/share")};
    folders.desktops = {QStringLiteral("gnome")};
    EXPECT_EQ(platform::schemeHandler(QString::fromLatin1(GetParam().scheme), folders),
              QString::fromLatin1(GetParam().handler));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SchemeHandlers,
    ::testing::Values(
        Row{"nothing installed", {}, "mailto", ""},
        Row{"an installed client",
            {{"usr/share/applications/mail.desktop", mailClient}},
            "mailto",
            "mail.desktop"},
        Row{"a client for another scheme", {{"usr/share/applications/mail.desktop", mailClient}}, "fb", ""},
        Row{"a hidden client", {{"usr/share/applications/gone.desktop", hiddenMailClient}}, "mailto", ""},
        Row{"a client without a command",
            {{"usr/share/applications/broken.desktop", noCommand}},
            "mailto",
            ""},
        Row{"a client started over D-Bus",
            {{"usr/share/applications/bus.desktop", dbusMailClient}},
            "mailto",
            "bus.desktop"},
        Row{"a scheme listed under an action, not the entry",
            {{"usr/share/applications/viewer.desktop", wrongGroup}},
            "mailto",
            ""},
        Row{"a client in a subfolder",
            {{"data/applications/org/mail.desktop", mailClient}},
            "mailto",
            "org-mail.desktop"},
        Row{"the user's default before any other",
            {{"usr/share/applications/mail.desktop", mailClient},
             {"usr/share/applications/other.desktop", otherMailClient},
             {"config/mimeapps.list", "[Default Applications]\nx-scheme-handler/mailto=other.desktop\n"}},
            "mailto",
            "other.desktop"},
        Row{"the desktop's own list before the general one",
            {{"usr/share/applications/mail.desktop", mailClient},
             {"usr/share/applications/other.desktop", otherMailClient},
             {"config/mimeapps.list", "[Default Applications]\nx-scheme-handler/mailto=mail.desktop\n"},
             {"config/gnome-mimeapps.list",
              "[Default Applications]\nx-scheme-handler/mailto=other.desktop\n"}},
            "mailto",
            "other.desktop"},
        Row{"a default that is not installed falls back to what is",
            {{"usr/share/applications/mail.desktop", mailClient},
             {"config/mimeapps.list", "[Default Applications]\nx-scheme-handler/mailto=missing.desktop;\n"}},
            "mailto",
            "mail.desktop"},
        Row{"an association added for a plain program",
            {{"data/applications/plain.desktop", "[Desktop Entry]\nType=Application\nName=P\nExec=p %u\n"},
             {"config/mimeapps.list", "[Added Associations]\nx-scheme-handler/fb=plain.desktop;\n"}},
            "fb",
            "plain.desktop"},
        Row{"a removed association",
            {{"usr/share/applications/mail.desktop", mailClient},
             {"config/mimeapps.list", "[Removed Associations]\nx-scheme-handler/mailto=mail.desktop;\n"}},
            "mailto",
            ""}),
    [](const ::testing::TestParamInfo<Row> &row) {
        std::string name = row.param.name;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

} // namespace
