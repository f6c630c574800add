#pragma once

#include <model/edate.h>
#include <model/widgetcontent.h>

#include <QList>
#include <QStringList>
#include <support/testenvironment.h>
#include <optional>

// The store's files: lists written as a test's starting point, and what is on disk right now,
// read without any of the store's side effects (a store moves an unreadable file aside; these
// only look).

// Events titled as given (saved with seedEvents of support/testevents.h), in that order, each with its own id, counting down to `date`.
QList<EDate> eventsTitled(const QStringList &titles, const QString &date = QStringLiteral("2027-05-01"));

// The event list in the settings file; nothing when the file or the list does not decode.
std::optional<QList<EDate>> savedListOnDisk();
// The records of "contents.json"; nothing when it does not decode.
std::optional<QList<WidgetContent>> contentsOnDisk();

// Every file or folder under `root` (at any depth, hidden ones too) whose name contains `part`.
QStringList filesNamedLike(const QString &root, const QString &part);
