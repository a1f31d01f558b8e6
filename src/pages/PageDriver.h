#pragma once
#include <QJsonObject>

// Drives one page of the open management window as a person would: once the
// device answers, shows the window and the page (which refreshes it), then types, chooses, ticks and clicks its real
// controls in the script's order, waiting after each step until no request
// of the window is in progress, and reports what the person would have seen.
//
// Script: {"page": LABEL, "list": bool, "actions": [{"do": KIND, "target": NAME, "value": TEXT}, ...]}
// with KIND one of set (target FIELD, value text), check, uncheck (target
// FIELD), select, tick (target LIST, value row from 0), press (target BUTTON),
// tab (target the title of a tab of the page: it is clicked),
// answer (value ok|cancel|yes|no, for every later question box), file (value
// PATH, for the next file dialog).
//
// Report: {"page", "status": [...], "messages": [...], "fields": {NAME: text},
// "lists": {NAME: [[cell, ...], ...]}, "enabled": {NAME: bool},
// "visible": {NAME: bool}, "order": [NAME, ...] (the fields in the page's
// order), "exit", "error"} with exit 0 when every action was
// found and done, 1 when one could not be done (a disabled control, a page
// that stayed busy), 2 for an unknown page, field, list or button, 3 when the
// device cannot be reached.
namespace PageDriver {
enum Exit { Done = 0, NotDone = 1, Unknown = 2, Unreachable = 3 };

QJsonObject Run(const QJsonObject& script);
// Without a page label: every page of the window; with one: its fields,
// lists and buttons as declared.
QJsonObject List(const QString& pageLabel);
}  // namespace PageDriver
