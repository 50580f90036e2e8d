#include "MainteRequest.h"

namespace kt {

bool ConfirmAction(const QString& text) { return AfxMessageBox(text, MB_OKCANCEL | MB_ICONQUESTION) != IDCANCEL; }

void ShowInformation(const QString& text) { AfxMessageBox(text, MB_OK | MB_ICONINFORMATION); }

void ShowError(const QString& text) { AfxMessageBox(text, MB_OK | MB_ICONERROR); }

bool ReportRequestResult(HttpResult result) {
  if (result == HTTP_RESULT_OK) return true;
  if (result != HTTP_RESULT_LOGIN_CANCELLED) ShowHttpResult(result);
  return false;
}

}  // namespace kt
