#pragma once

#include <QByteArray>
#include <memory>

#include <libical/ical.h>

// What every use of libical here shares: its errors reported rather than fatal, components
// owned by a unique_ptr, and text that libical allocated handed back as bytes.
namespace LibIcal {

// Makes sure libical never aborts the process on an error (a build may make errors fatal by
// default): a damaged calendar is refused, it does not end the program.
void prepare();

struct ComponentDeleter
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

// The component's iCalendar text (CRLF line ends, long lines folded), freed after copying.
QByteArray text(icalcomponent *component);

} // namespace LibIcal
