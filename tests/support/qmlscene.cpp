#include "qmlscene.h"

#include <QDir>
#include <QElapsedTimer>
#include <QQmlComponent>
#include <QQuickItem>
#include <QCoreApplication>
#include <gtest/gtest.h>

QmlScene::QmlScene(const QString &type, const QVariantMap &properties, QSize size)
{
    m_engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    m_window.resize(size);
    m_window.setColor(Qt::black);
    QQmlComponent component(&m_engine);
    component.setData(QStringLiteral("import Tallowick\n%1 {}\n").arg(type).toUtf8(), QUrl());
    // Creating a component that failed to load can crash; report it instead.
    if (component.isError()) {
        ADD_FAILURE() << "Cannot load " << type.toStdString() << ": " << component.errorString().toStdString();
        return;
    }
    QObject *object = component.createWithInitialProperties(properties);
    if (!object) {
        ADD_FAILURE() << "Cannot create " << type.toStdString() << ": " << component.errorString().toStdString();
        return;
    }
    m_item = qobject_cast<QQuickItem *>(object);
    if (!m_item) {
        ADD_FAILURE() << type.toStdString() << " is not an item";
        delete object;
        return;
    }
    m_item->setParentItem(m_window.contentItem());
    if (m_item->width() <= 0 || m_item->height() <= 0) {
        m_item->setWidth(size.width());
        m_item->setHeight(size.height());
    }
    m_window.show();
    settle();
}

QmlScene::~QmlScene()
{
    delete m_item;
}

void QmlScene::settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (timer.elapsed() < ms);
}

QImage QmlScene::grab(const QString &artifactName)
{
    const QImage image = m_window.grabWindow();
    if (!artifactName.isEmpty()) {
        const QString dir = QStringLiteral(TALLOWICK_TEST_ARTIFACTS);
        QDir().mkpath(dir);
        image.save(dir + QLatin1Char('/') + artifactName + QStringLiteral(".png"));
    }
    return image;
}

QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    if (!root)
        return nullptr;
    for (QQuickItem *child : root->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

QQuickItem *QmlScene::find(const QString &objectName) const
{
    if (!m_item)
        return nullptr;
    if (auto *found = m_item->findChild<QQuickItem *>(objectName))
        return found;
    return findItem(m_item, objectName);
}

QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

bool near(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}
