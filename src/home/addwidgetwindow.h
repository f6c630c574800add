#pragma once

#include <platform/widgetextension.h>

#include <QDialog>
#include <optional>

class HomeScreen;
class QButtonGroup;
class QComboBox;
class QLabel;

// The home screen's one window: it puts a widget on the desktop. A person chooses its size
// and the event it shows (with the mouse, or Tab, the arrows and Return), sees what it will
// look like, and adds it. It opens when the home screen starts from the menu with no widget,
// when it is started a second time, and from a widget's menu.
class AddWidgetWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AddWidgetWindow(HomeScreen &home, QWidget *parent = nullptr);

    // Opens the window with the events of now, or brings it forward, using the activation
    // token (Wayland) or startup id (X11) the asker was started with, if any.
    void present(const QString &activationToken = QString());

    // What adding would add now.
    WidgetFamily family() const;
    std::optional<WidgetConfigurationOption> option() const;

Q_SIGNALS:
    // A widget was added.
    void added(const QString &id);
    // The window went away, with or without adding.
    void closed();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void fillEvents();
    void updatePreview();
    void addWidget();

    HomeScreen &m_home;
    QButtonGroup *m_sizes;
    QComboBox *m_events;
    QLabel *m_preview;
    QList<WidgetConfigurationOption> m_options;
};
