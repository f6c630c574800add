#include "hometesting.h"

#include <home/extensionloader.h>

#include <support/testenvironment.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kFakePlugins = fakePluginDir();
// The plug-in's folder in an installation under /opt/tallowick (lib/<triplet>/... on Debian).
const QString kInstalledPlugins = QStringLiteral("/opt/tallowick/%1/tallowick/widgets").arg(QStringLiteral(TALLOWICK_INSTALL_LIBDIR));

} // namespace

TEST(ExtensionLoader, LooksInTheEnvironmentsPathThenBesideTheProgram)
{
    {
        ScopedEnvironment unset("TALLOWICK_WIDGETS_PATH", QByteArray());
        EXPECT_EQ(ExtensionLoader::searchPaths(QStringLiteral("/opt/tallowick/bin")),
                  QStringList{kInstalledPlugins});
    }
    ScopedEnvironment set("TALLOWICK_WIDGETS_PATH", "/somewhere/plugins");
    EXPECT_EQ(ExtensionLoader::searchPaths(QStringLiteral("/opt/tallowick/bin")),
              (QStringList{QStringLiteral("/somewhere/plugins"), kInstalledPlugins}));
}

TEST(ExtensionLoader, LoadsThePluginNamedByTheEnvironment)
{
    ScopedEnvironment set("TALLOWICK_WIDGETS_PATH", kFakePlugins.toUtf8());
    ExtensionLoader loader;
    WidgetExtension *extension = loader.load();
    ASSERT_NE(extension, nullptr) << loader.errorString().toStdString();
    EXPECT_EQ(extension->kind(), QStringLiteral("FakeWidgets"));
    EXPECT_TRUE(loader.fileName().startsWith(kFakePlugins));

    // A plug-in file named directly loads as well.
    ExtensionLoader byFile;
    EXPECT_NE(byFile.load({loader.fileName()}), nullptr);
}

TEST(ExtensionLoader, PassesOverPlacesWithoutAPluginAndSaysWhyWhenNoneHasOne)
{
    QTemporaryDir empty;
    QTemporaryDir impostor;
    // Named like a library, but not one.
    writeFile(impostor.path() + QStringLiteral("/libwidgets.so"), "not a library");

    ExtensionLoader loader;
    EXPECT_NE(loader.load({empty.path(), impostor.path(), kFakePlugins}), nullptr);

    ExtensionLoader failing;
    EXPECT_EQ(failing.load({empty.path(), impostor.path(), empty.path() + QStringLiteral("/missing")}), nullptr);
    EXPECT_TRUE(failing.errorString().contains(empty.path() + QStringLiteral(": no plug-in here")));
    EXPECT_TRUE(failing.errorString().contains(impostor.path() + QStringLiteral("/libwidgets.so")));
    EXPECT_TRUE(failing.errorString().contains(QStringLiteral("/missing: no such file or folder")));
}
