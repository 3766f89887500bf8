// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/program_folder.h"

#include "support/ordinary_user.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace milora;

namespace {

// Each case chooses the folder for an executable placed in a temporary tree, with MILORA_HOME
// unset (the test program sets it; it is put back afterwards).
class ProgramFolderTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    QByteArray saved_home;

    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        saved_home = qgetenv("MILORA_HOME");
        qunsetenv("MILORA_HOME");
    }
    void TearDown() override { qputenv("MILORA_HOME", saved_home); }

    QString folder(const QString& relative) {
        QDir(root.path()).mkpath(relative);
        return QDir(root.path()).filePath(relative);
    }
    static QString per_user_folder() {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
};

TEST_F(ProgramFolderTest, WritableBuildTreeOrPortableCopyKeepsFilesBesideTheProgram) {
    const QString build = folder(QStringLiteral("build"));
    EXPECT_EQ(ui::program_folder_for(build), build);
    // A bin folder without share/milora beside it is a portable copy, not an installation.
    const QString bin = folder(QStringLiteral("portable/bin"));
    EXPECT_EQ(ui::program_folder_for(bin), bin);
}

TEST_F(ProgramFolderTest, InstalledCopyUsesThePerUserFolderEvenWhenItsBinIsWritable) {
    // As root, /usr/bin is writable; default.miloracar must still not land there.
    const QString bin = folder(QStringLiteral("usr/bin"));
    folder(QStringLiteral("usr/share/milora"));
    EXPECT_EQ(ui::program_folder_for(bin), per_user_folder());
    EXPECT_TRUE(per_user_folder().endsWith(QStringLiteral("/Milora/Milora")))
        << per_user_folder().toStdString();
    EXPECT_EQ(ui::installed_data_folder_for(bin), QDir(root.path()).filePath("usr/share/milora"));
}

TEST_F(ProgramFolderTest, ReadOnlyOrMissingExecutableFolderFallsBackToThePerUserFolder) {
    EXPECT_EQ(ui::program_folder_for(QDir(root.path()).filePath(QStringLiteral("gone"))),
              per_user_folder());
    const QString locked = folder(QStringLiteral("locked"));
    const QString writable = folder(QStringLiteral("writable"));
    test::expect_as_ordinary_user(
        {root.path().toStdString(), locked.toStdString(), writable.toStdString()}, [&] {
            std::string fault;
            // The user's own folder is taken, so a refusal below is the permission's doing.
            if (ui::program_folder_for(writable) != writable) {
                fault += "a writable folder was not taken; ";
            }
            if (!QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner)) {
                return fault + "the folder could not be made read-only";
            }
            if (ui::program_folder_for(locked) != per_user_folder()) {
                fault += "a read-only folder was taken";
            }
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            return fault;
        });
}

TEST_F(ProgramFolderTest, WithoutAUsableHomeThereIsNoPerUserFolderAndTheRefusalSaysWhy) {
    const QByteArray saved = qgetenv("HOME");
    const QByteArray saved_xdg = qgetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    const QString bin = folder(QStringLiteral("usr/bin"));
    folder(QStringLiteral("usr/share/milora"));
    const QString installed = ui::program_folder_for(bin);
    const QString unset_why = ui::no_program_folder_message();
    // A build tree or portable copy keeps its own folder; nothing else may become /.local/...
    const QString build = folder(QStringLiteral("build"));
    const QString portable = ui::program_folder_for(build);
    qputenv("HOME", "relative/home");
    const QString relative_home = ui::program_folder_for(bin);
    const QString relative_why = ui::no_program_folder_message();
    // "/" is a full path like any other home: the program starts with its folder under it.
    qputenv("HOME", "/");
    const QString root_home = ui::program_folder_for(bin);
    qputenv("HOME", "relative/home");
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder(QStringLiteral("xdg"))));
    const QString with_xdg = ui::program_folder_for(bin);
    qputenv("HOME", saved);
    if (saved_xdg.isNull()) {
        qunsetenv("XDG_DATA_HOME");
    } else {
        qputenv("XDG_DATA_HOME", saved_xdg);
    }
    EXPECT_EQ(installed, QString());
    EXPECT_EQ(unset_why, QString::fromLatin1(ui::kNoProgramFolderMessage));
    EXPECT_EQ(portable, build);
    EXPECT_EQ(relative_home, QString());
    EXPECT_TRUE(relative_why.contains(QStringLiteral("HOME (relative/home) is not an absolute")))
        << relative_why.toStdString();
    EXPECT_FALSE(relative_why.contains(QStringLiteral("not set")));
    EXPECT_FALSE(root_home.isEmpty());
    // XDG_DATA_HOME names a per-user folder of its own (the test mode's folder stands in here).
    EXPECT_FALSE(with_xdg.isEmpty());
}

TEST_F(ProgramFolderTest, MiloraHomeOverridesEveryOtherRule) {
    const QString home = folder(QStringLiteral("home"));
    qputenv("MILORA_HOME", home.toLocal8Bit());
    EXPECT_EQ(ui::program_folder_for(folder(QStringLiteral("build"))), home);
    EXPECT_EQ(ui::program_folder_for(folder(QStringLiteral("usr/bin"))), home);
}

TEST_F(ProgramFolderTest, ARelativeMiloraHomeIsTakenOnceAgainstTheStartingFolder) {
    const QString start = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root.path()));
    qputenv("MILORA_HOME", "relative/home");
    ui::make_start_up_paths_absolute();
    ASSERT_TRUE(QDir::setCurrent(start));
    // Wherever the process is later, the folder stays the one named at start-up.
    const QString expected = QDir(root.path()).filePath(QStringLiteral("relative/home"));
    EXPECT_EQ(qEnvironmentVariable("MILORA_HOME"), expected);
    EXPECT_EQ(ui::program_folder(), expected);
    ui::make_program_folder();
    EXPECT_TRUE(QFileInfo(expected).isDir());
    EXPECT_EQ(ui::default_car_data_path(),
              QDir(expected).filePath(QStringLiteral("default.miloracar")));
}

#if defined(MILORA_BUILD_TREE) && defined(MILORA_BUILD_TREE_HANDBOOK)
TEST_F(ProgramFolderTest, OnlyTheCopyInItsBuildTreeLooksForTheHandbookCompiledThere) {
    EXPECT_EQ(ui::build_tree_handbook_folder_for(QStringLiteral(MILORA_BUILD_TREE)),
              QStringLiteral(MILORA_BUILD_TREE_HANDBOOK));
    // The same binary installed or copied elsewhere, and the test programs in build/tests.
    EXPECT_EQ(ui::build_tree_handbook_folder_for(folder(QStringLiteral("usr/bin"))), QString());
    EXPECT_EQ(ui::build_tree_handbook_folder_for(QStringLiteral(MILORA_BUILD_TREE "/tests")),
              QString());
    EXPECT_EQ(ui::build_tree_handbook_folder(), QString());
}
#endif

} // namespace
