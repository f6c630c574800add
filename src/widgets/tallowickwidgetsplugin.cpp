// The plug-in the home screen loads: the widget itself lives in tallowick_widgets.
#include "ruruextension.h"

class TallowickWidgetsPlugin : public RuruExtension
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TallowickWidgetExtension_iid)

public:
    using RuruExtension::RuruExtension;
};

#include "tallowickwidgetsplugin.moc"
