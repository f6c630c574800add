#include <sync/davxml.h>

#include <gtest/gtest.h>

namespace {

// The same answers spelled with each kind of prefix servers use. %D% and %C% stand for the
// DAV: and CalDAV prefixes with their colon ("d:", "D:", or nothing with default namespaces);
// %NS%, %CNS% and %DNS% for where the namespaces are declared.
struct Spelling
{
    const char *name;
    QByteArray dav;
    QByteArray cal;
    QByteArray rootNs;   // on the root element
    QByteArray calNs;    // on each CalDAV element (for the unprefixed spelling)
    QByteArray davNs;    // on a DAV: element inside a CalDAV one
};

const Spelling kSpellings[] = {
    {"lower", "d:", "c:", R"( xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav")", "", ""},
    {"upper", "D:", "C:", R"( xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav")", "", ""},
    {"none", "", "", R"( xmlns="DAV:")", R"( xmlns="urn:ietf:params:xml:ns:caldav")", R"( xmlns="DAV:")"},
};

QByteArray spelled(QByteArray text, const Spelling &spelling)
{
    text.replace("%D%", spelling.dav).replace("%C%", spelling.cal).replace("%NS%", spelling.rootNs);
    text.replace("%CNS%", spelling.calNs).replace("%DNS%", spelling.davNs);
    return text;
}

const QByteArray kMultistatus = R"(<?xml version="1.0"?>
<%D%multistatus%NS%>
 <%D%response>
  <%D%href>/alice/cal/</%D%href>
  <%D%propstat><%D%prop>
    <%D%resourcetype><%D%collection/><%C%calendar%CNS%/></%D%resourcetype>
    <%D%displayname>Tallowick &amp; co</%D%displayname>
    <%C%supported-calendar-component-set%CNS%><%C%comp name="VEVENT"/><%C%comp name="vtodo"/></%C%supported-calendar-component-set>
    <%D%sync-token>http://radicale.org/ns/sync/abc</%D%sync-token>
    <%D%current-user-principal><%D%href>/alice/</%D%href></%D%current-user-principal>
    <%C%calendar-home-set%CNS%><%D%href%DNS%>/home/alice/</%D%href></%C%calendar-home-set>
  </%D%prop><%D%status>HTTP/1.1 200 OK</%D%status></%D%propstat>
  <%D%propstat><%D%prop><%D%getetag>"not-found"</%D%getetag></%D%prop>
   <%D%status>HTTP/1.1 404 Not Found</%D%status></%D%propstat>
 </%D%response>
 <%D%response>
  <%D%href>/alice/cal/a.ics</%D%href>
  <%D%propstat><%D%prop><%D%getetag>"e1"</%D%getetag>
    <%C%calendar-data%CNS%>BEGIN:VCALENDAR&#13;
END:VCALENDAR&#13;
</%C%calendar-data>
    <x:getetag xmlns:x="urn:someone-else">"other"</x:getetag>
  </%D%prop><%D%status>HTTP/1.1 200 OK</%D%status></%D%propstat>
 </%D%response>
 <%D%response><%D%href>/alice/cal/gone.ics</%D%href><%D%status>HTTP/1.1 404 Not Found</%D%status></%D%response>
 <%D%sync-token>token-2</%D%sync-token>
</%D%multistatus>)";

const QByteArray kUidConflict = R"(<?xml version="1.0"?>
<%D%error%NS%><%C%no-uid-conflict%CNS%><%D%href%DNS%>/alice/cal/other.ics</%D%href></%C%no-uid-conflict></%D%error>)";

TEST(DavXml, AnswersReadAlikeWhateverTheirPrefixes)
{
    for (const Spelling &spelling : kSpellings) {
        SCOPED_TRACE(spelling.name);
        const DavXml::Multistatus answer = DavXml::parseMultistatus(spelled(kMultistatus, spelling));
        ASSERT_TRUE(answer.error.isEmpty()) << answer.error.toStdString();
        EXPECT_EQ(answer.syncToken, QStringLiteral("token-2"));
        ASSERT_EQ(answer.members.size(), 3);

        const DavXml::Member &calendar = answer.members[0];
        EXPECT_EQ(calendar.href, QStringLiteral("/alice/cal/"));
        EXPECT_TRUE(calendar.collection && calendar.calendar);
        EXPECT_EQ(calendar.displayName, QStringLiteral("Tallowick & co"));
        EXPECT_EQ(calendar.components, (QStringList{QStringLiteral("VEVENT"), QStringLiteral("VTODO")}));
        EXPECT_EQ(calendar.syncToken, QStringLiteral("http://radicale.org/ns/sync/abc"));
        EXPECT_EQ(calendar.principal, QStringLiteral("/alice/"));
        EXPECT_EQ(calendar.calendarHome, QStringLiteral("/home/alice/"));
        EXPECT_TRUE(calendar.etag.isEmpty()) << "a property the server did not find counts for nothing";

        const DavXml::Member &object = answer.members[1];
        EXPECT_EQ(object.etag, QByteArray("\"e1\"")) << "an element of another namespace is no ETag";
        EXPECT_EQ(object.calendarData, QByteArray("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n"));
        EXPECT_FALSE(object.calendar);

        EXPECT_EQ(answer.members[2].status, 404);

        const DavXml::Error error = DavXml::parseError(spelled(kUidConflict, spelling));
        EXPECT_TRUE(error.has(u"no-uid-conflict"));
        EXPECT_EQ(error.href, QStringLiteral("/alice/cal/other.ics"));
    }
}

TEST(DavXml, AnswersThatAreNoMultistatusSaySo)
{
    const QByteArray cases[] = {
        "",
        "<html><body>Moved</body></html>",
        R"(<multistatus><response><href>/a</href></response></multistatus>)", // no DAV: namespace
        R"(<d:multistatus xmlns:d="DAV:"><d:response><d:href>/a</d:href></d:response>)", // cut short
        R"(<d:multistatus xmlns:d="DAV:"><d:response><d:href>/a</d:href></d:respons></d:multistatus>)",
    };
    for (const QByteArray &body : cases) {
        const DavXml::Multistatus answer = DavXml::parseMultistatus(body);
        EXPECT_FALSE(answer.error.isEmpty()) << body.constData();
        EXPECT_TRUE(answer.members.isEmpty()) << body.constData();
    }
}

TEST(DavXml, StatusLines)
{
    const std::pair<const char *, int> cases[] = {
        {"HTTP/1.1 200 OK", 200}, {"  HTTP/1.1 404 Not Found ", 404}, {"HTTP/2 507", 507},
        {"200 OK", 0},            {"HTTP/1.1 abc", 0},                {"HTTP/1.1 2000 x", 0},
    };
    for (const auto &[line, code] : cases)
        EXPECT_EQ(DavXml::statusOf(QString::fromLatin1(line)), code) << line;
}

} // namespace
