#include "libicalsupport.h"

namespace LibIcal {

void prepare()
{
    static const bool prepared = [] {
        icalerror_set_errors_are_fatal(0);
        return true;
    }();
    (void)prepared;
}

QByteArray text(icalcomponent *component)
{
    char *text = icalcomponent_as_ical_string_r(component);
    if (!text)
        return {};
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

} // namespace LibIcal
