#pragma once

#include <store/userdata.h>
#include <support/qmlscene.h>
#include <support/testenvironment.h>

#include <memory>

// The app's root screen in one language, as a person with that language set starts it: a
// fresh store (its first-start events in that language) and the layout direction the app
// takes from the language.
class LanguageScene
{
public:
    explicit LanguageScene(const QString &locale, QSize size = QSize(390, 844));
    ~LanguageScene();

    QmlScene &scene() { return *m_scene; }
    UserData &store() { return *m_store; }
    QQuickItem *find(const QString &objectName) const;
    // Every item of that name, list rows and items moved over the window included.
    QList<QQuickItem *> findAll(const QString &objectName) const;
    // Opens the root's sheet in `mode` ("add", "edit", "noti", "overview") and lets it settle.
    void present(const QString &mode);
    void dismiss();

private:
    TemporaryHome m_home;
    ScopedLocale m_locale;
    std::unique_ptr<UserData> m_store;
    std::unique_ptr<QmlScene> m_scene;
};
