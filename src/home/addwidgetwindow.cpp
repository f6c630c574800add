#include "addwidgetwindow.h"

#include "entrychoice.h"
#include "homelog.h"
#include "homescreen.h"
#include "widgetmenu.h"
#include "widgetpainter.h"
#include "x11window.h"

#include <platform/clock.h>
#include <platform/localization.h>

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include <algorithm>

namespace {

// The preview fits a box this size, in points: the large widget's shape at about two thirds.
// Every size is drawn at the same scale, so that the preview shows how big each is.
constexpr QSize kPreviewBox(250, 262);

} // namespace

AddWidgetWindow::AddWidgetWindow(HomeScreen &home, QWidget *parent)
    : QDialog(parent)
    , m_home(home)
    , m_sizes(new QButtonGroup(this))
    , m_events(new QComboBox(this))
    , m_preview(new QLabel(this))
{
    //% "Add a Widget"
    setWindowTitle(qtTrId("Home.addWindowTitle"));
    // Mirrored for a language written from right to left (only this window: the widgets'
    // pictures are drawn as they are).
    setLayoutDirection(Localization::isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    setObjectName(QStringLiteral("addWidgetWindow"));

    //% "Put an event on your desktop"
    auto *heading = new QLabel(qtTrId("Home.addHeading"), this);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setTextFormat(Qt::PlainText);
    heading->setAccessibleName(heading->text());
    //% "Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit."
    auto *intro = new QLabel(qtTrId("Home.addIntro"), this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);

    auto *sizeBox = new QGroupBox(qtTrId("Home.size"), this);
    auto *sizeLayout = new QVBoxLayout(sizeBox);
    for (WidgetFamily family : WidgetMenu::families()) {
        auto *button = new QRadioButton(WidgetMenu::familyText(family), sizeBox);
        button->setObjectName(QStringLiteral("size-") + widgetFamilyName(family));
        m_sizes->addButton(button, int(family));
        sizeLayout->addWidget(button);
    }
    m_sizes->button(int(WidgetFamily::SystemMedium))->setChecked(true);

    //% "Event"
    auto *eventLabel = new QLabel(qtTrId("Home.event"), this);
    eventLabel->setBuddy(m_events);
    m_events->setObjectName(QStringLiteral("event"));
    m_events->setAccessibleName(qtTrId("Home.event"));
    m_events->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setFixedSize(kPreviewBox);
    m_preview->setAlignment(Qt::AlignCenter);
    //% "Preview"
    m_preview->setAccessibleName(qtTrId("Home.preview"));

    auto *buttons = new QDialogButtonBox(this);
    //% "Add Widget"
    QPushButton *add = buttons->addButton(qtTrId("Home.addButton"), QDialogButtonBox::AcceptRole);
    add->setObjectName(QStringLiteral("add"));
    add->setDefault(true);
    //% "Close"
    buttons->addButton(qtTrId("Home.close"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::accepted, this, &AddWidgetWindow::addWidget);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *choices = new QVBoxLayout;
    choices->addWidget(sizeBox);
    choices->addSpacing(8);
    choices->addWidget(eventLabel);
    choices->addWidget(m_events);
    choices->addStretch();
    auto *middle = new QHBoxLayout;
    middle->addLayout(choices, 1);
    middle->addSpacing(16);
    middle->addWidget(m_preview);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(intro);
    layout->addSpacing(8);
    layout->addLayout(middle);
    layout->addWidget(buttons);

    // Tab goes through the controls in reading order (the sizes are one stop: the arrows move
    // between them).
    QWidget *previous = nullptr;
    for (QAbstractButton *size : m_sizes->buttons()) {
        if (previous)
            setTabOrder(previous, size);
        previous = size;
    }
    setTabOrder(previous, m_events);
    setTabOrder(m_events, add);

    connect(m_sizes, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            updatePreview();
    });
    connect(m_events, &QComboBox::currentIndexChanged, this, &AddWidgetWindow::updatePreview);
    fillEvents();
}

void AddWidgetWindow::present(const QString &activationToken)
{
    qCInfo(lcHome) << "Showing the window that adds a widget";
    // The events may have changed since the window was last open.
    fillEvents();
    if (!isVisible())
        m_sizes->checkedButton()->setFocus();
    if (QGuiApplication::platformName() == QLatin1String("wayland") && !activationToken.isEmpty())
        // What the shell integration activates a window with on its next request.
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    show();
    raise();
    if (QGuiApplication::platformName() == QLatin1String("xcb") && !activationToken.isEmpty())
        X11Window::activate(*this, activationToken.toUtf8());
    else
        activateWindow();
}

WidgetFamily AddWidgetWindow::family() const
{
    return WidgetFamily(m_sizes->checkedId());
}

std::optional<WidgetConfigurationOption> AddWidgetWindow::option() const
{
    // The first item is "First event", the others the options in order.
    const int at = m_events->currentIndex() - 1;
    if (at < 0 || at >= m_options.size())
        return std::nullopt;
    return m_options.at(at);
}

void AddWidgetWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    Q_EMIT closed();
}

void AddWidgetWindow::fillEvents()
{
    const std::optional<WidgetConfigurationOption> chosen = option();
    m_options = m_home.extension().configurationOptions();
    const QSignalBlocker quiet(m_events);
    m_events->clear();
    m_events->addItem(WidgetMenu::firstEventText());
    for (const WidgetConfigurationOption &option : std::as_const(m_options))
        m_events->addItem(option.displayString);
    const auto kept = std::find(m_options.cbegin(), m_options.cend(), chosen);
    m_events->setCurrentIndex(kept == m_options.cend() ? 0 : int(kept - m_options.cbegin()) + 1);
    updatePreview();
}

void AddWidgetWindow::updatePreview()
{
    WidgetExtension &extension = m_home.extension();
    const WidgetFamily chosenFamily = family();
    const WidgetEntry entry = EntryChoice::shown(extension, extension.timeline(option(), chosenFamily), chosenFamily,
                                                 Clock::now());
    const QSizeF largest = widgetFamilySize(WidgetFamily::SystemLarge);
    const qreal fit = std::min(kPreviewBox.width() / largest.width(), kPreviewBox.height() / largest.height());
    const qreal ratio = devicePixelRatioF();
    QImage picture = WidgetPainter::render(extension, entry, chosenFamily, fit * ratio);
    picture.setDevicePixelRatio(ratio);
    m_preview->setPixmap(QPixmap::fromImage(picture));
    m_preview->setAccessibleDescription(entry.title.isEmpty() ? WidgetMenu::familyText(chosenFamily)
                                                              : WidgetMenu::familyText(chosenFamily) + QStringLiteral(", ")
                                                                    + entry.title);
}

void AddWidgetWindow::addWidget()
{
    const QString id = m_home.add(family(), option());
    if (id.isEmpty())
        return;
    accept();
    Q_EMIT added(id);
}
