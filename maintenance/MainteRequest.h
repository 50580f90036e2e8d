// What every maintenance action shares: confirmations and result notes, and
// the request-and-read step for a device document.
#pragma once

#include <cstddef>

#include <QByteArray>
#include <QString>

#include "DeviceDocuments.h"
#include "HttpClient.h"
#include "JsonCursor.h"
#include "Platform.h"

namespace kt {

// OK and Cancel with the question icon; true unless the user cancelled.
bool ConfirmAction(const QString& text);
// An OK box with the information icon ("Completed.", "No disk"...).
void ShowInformation(const QString& text);
// An OK box with the error icon ("Failed in conversion.", "tl", "sp").
void ShowError(const QString& text);

// The result of a request, reported the callers' way: nothing for a
// cancelled login, ShowHttpResult for any other failure. True on success.
bool ReportRequestResult(HttpResult result);

// GET of path + query (the login dialog first when bPrompt), then the reader
// on the answer. A failed request is reported as above; a document that is
// not JSON or fails the reader's checks shows "Failed in conversion.". True
// when `record` was filled; it is touched by the reader only.
template <class Record>
bool ReadDeviceDocument(const QString& path, const QString& query, bool bPrompt, Record* record,
                        u32 (*reader)(Record*, const char*, std::size_t)) {
  QByteArray body;
  if (!ReportRequestResult(HttpGet(path, query, bPrompt, body))) return false;
  const u32 flags = reader(record, body.constData(), static_cast<std::size_t>(body.size()));
  if (flags & (JSON_READ_OUT_OF_RANGE | JSON_READ_PARSE_ERROR)) {
    ShowError(g_strConversionFailed[0]);
    return false;
  }
  return true;
}

}  // namespace kt
