#pragma once

#include <QDateTime>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <QtPlugin>
#include <optional>

class QPainter;

// The contract between the home screen and a widget extension plug-in. The home screen knows
// only this: it asks the extension for timelines and configuration options, and for drawings
// of its entries; what an entry holds is the extension's own business.

// The sizes a widget can be placed in.
enum class WidgetFamily { SystemSmall, SystemMedium, SystemLarge, SystemExtraLarge };

// "small", "medium", "large", "extraLarge"; and back (nothing for other names).
QString widgetFamilyName(WidgetFamily family);
std::optional<WidgetFamily> widgetFamilyFromName(const QString &name);
// The family's size in points: small 170 × 170, medium 364 × 170, large 364 × 382,
// extra large 715 × 382.
QSizeF widgetFamilySize(WidgetFamily family);
// The corner radius of every widget's rounded outline, in points: the host cuts the corners
// off, so an extension keeps what must be read clear of them.
constexpr qreal kWidgetCornerRadius = 22;

// One choice offered when a person configures a widget (which event it shows).
struct WidgetConfigurationOption
{
    QString identifier;
    QString displayString;

    friend bool operator==(const WidgetConfigurationOption &, const WidgetConfigurationOption &) = default;
};

// Something to show from `date` on. `content` is opaque to the host; `title` says in a few
// words what the entry shows (the event's title), for the window's title and accessible name.
struct WidgetEntry
{
    QDateTime date;
    QVariant content;
    QString title = QString();
};

// The entries to show, in order, and when to ask for the next timeline.
struct WidgetTimeline
{
    enum class ReloadPolicy { AtEnd, Never };
    QList<WidgetEntry> entries;
    ReloadPolicy policy = ReloadPolicy::AtEnd;
    // The configuration as the extension now knows it, when that differs from the one it was
    // asked with (say, the option's text changed): the host keeps this one from then on.
    std::optional<WidgetConfigurationOption> configuration = std::nullopt;
};

class WidgetExtension
{
public:
    virtual ~WidgetExtension() = default;

    // The widget's kind: the name under which the host keeps its instances.
    virtual QString kind() const = 0;
    // Name and description shown when a person adds the widget.
    virtual QString displayName() const = 0;
    virtual QString widgetDescription() const = 0;

    // The options a person may choose from when configuring a widget, answered at once.
    virtual QList<WidgetConfigurationOption> configurationOptions() = 0;

    // An entry to show while the widget is laid out, and one for the widget gallery.
    virtual WidgetEntry placeholder(WidgetFamily family) = 0;
    virtual WidgetEntry snapshot(WidgetFamily family) = 0;
    // The entries for a widget configured with `configuration` (nothing: not configured).
    virtual WidgetTimeline timeline(const std::optional<WidgetConfigurationOption> &configuration,
                                    WidgetFamily family) = 0;

    // Draws `entry` as a widget of `family`, in points, into a painter whose origin is the
    // widget's top-left corner (the host scales it for the screen).
    virtual void render(const WidgetEntry &entry, WidgetFamily family, QPainter &painter) = 0;
    // The link a tap on the widget opens; an empty URL when tapping does nothing.
    virtual QUrl tapLink(const WidgetEntry &entry, WidgetFamily family) = 0;

    // The extension carries its own copy of the code the host shares with it, so what the
    // host sets up for itself is handed over through these.
    // Fixes the extension's clock at `instant`; nothing: the system's time again.
    virtual void setFixedNow(const std::optional<QDateTime> &instant) = 0;
    // The system's time zone or clock changed: dates are to be worked out afresh.
    virtual void timeSettingsChanged() = 0;
};

#define TallowickWidgetExtension_iid "org.tallowick.WidgetExtension/3.0"
Q_DECLARE_INTERFACE(WidgetExtension, TallowickWidgetExtension_iid)
